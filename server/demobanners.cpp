#include "demobanners.h"

#include "demopictures.h"

#include <QFile>

namespace obzorka::server::demo {
namespace {

// Missing when the server is built without its resources (as in unit tests): no picture then.
QByteArray resource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A banner's page: an HTML document of the title and the body, in the body's style.
QByteArray page(const QString& title, const QString& style, const QString& body)
{
    return QString(
               u"<!DOCTYPE html>\n<html lang=\"cs\">\n<head>\n<meta charset=\"utf-8\">\n<title>" %
               title % u"</title>\n</head>\n<body style=\"" % style % u"\">\n" % body %
               u"</body>\n</html>\n")
        .toUtf8();
}

} // namespace

QList<Banner> banners(QDate today)
{
    const Banner own{
        .id = QStringLiteral("demo1"),
        .lastDay = today.addDays(30),
        .indexHtml = page(
            QStringLiteral("Obzorka – televizní program v počítači"),
            QStringLiteral("background: #000050; color: #ffffff; font-family: sans-serif"),
            QStringLiteral(
                "<p><img src=\"logo.png\" width=\"64\" height=\"64\" alt=\"Obzorka\"></p>\n"
                "<h1>Obzorka</h1>\n"
                "<p>Program devatenácti stanic na čtrnáct dní dopředu, s upozorněním na oblíbené "
                "pořady a tiskem přehledů.</p>\n"
                "<p>Tohle je ukázková reklama: skutečné bannery sem nahraje provozovatel "
                "serveru.</p>\n")),
        .bannerGif = resource(QStringLiteral(":/demo/banner1.gif")),
        .otherFiles = {{QStringLiteral("logo.png"), logo()}},
    };
    const Banner magazine{
        .id = QStringLiteral("demo2"),
        .lastDay = today.addDays(3),
        .indexHtml =
            page(QStringLiteral("Týdeník TV PROGRAM"),
                 QStringLiteral("background: #fff8e0; color: #202020; font-family: serif"),
                 QStringLiteral("<h1>Týdeník TV PROGRAM</h1>\n"
                                "<p>Každý čtvrtek nové číslo: tipy na filmy týdne, rozhovory s "
                                "herci a křížovka o ceny.</p>\n"
                                "<p><b>Předplatné jen za 39 Kč týdně</b> – a první měsíc "
                                "zdarma.</p>\n"
                                "<p><small>Smyšlený inzerent ukázkových dat.</small></p>\n")),
        .bannerGif = resource(QStringLiteral(":/demo/banner2.gif")),
        .otherFiles = {},
    };
    return {own, magazine};
}

} // namespace obzorka::server::demo
