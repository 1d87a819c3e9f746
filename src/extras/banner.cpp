#include "extras/banner.h"

#include "store/store.h"

#include <QDir>
#include <QUrl>

namespace obzorka::extras {
namespace {

// A local file as a link target inside a single-quoted attribute.
QString fileLink(const QString& path)
{
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded())
        .replace(QLatin1Char('\''), QStringLiteral("%27"))
        .toHtmlEscaped();
}

} // namespace

QString chooseBanner(store::Store& store, QRandomGenerator& random)
{
    const store::Rows active = store.provedsql(
        QStringLiteral("SELECT rekl_id FROM reklama WHERE DateValue(datumdo)>=DateValue(Date())"));
    if (active.empty())
        return QStringLiteral("0");
    return active.at(size_t(random.bounded(int(active.size())))).text(u"rekl_id");
}

QString chooseBanner(store::Store& store)
{
    QRandomGenerator fresh = QRandomGenerator::securelySeeded();
    return chooseBanner(store, fresh);
}

QString bannerPage(const QString& imageFolder, const QString& bannerId)
{
    const QString folder = imageFolder + QStringLiteral("/banner/") + bannerId;
    return QStringLiteral("<HTML><BODY LEFTMARGIN=0 TOPMARGIN=0 RIGHTMARGIN=0 BOTTOMMARGIN=0>"
                          "<A HREF='") +
           fileLink(folder + QStringLiteral("/index.html")) +
           QStringLiteral("' TARGET='_new'><IMG SRC='") +
           fileLink(folder + QStringLiteral("/banner.gif")) +
           QStringLiteral("' BORDER=0></IMG></A></BODY></HTML>");
}

bool isBannerLink(const QString& imageFolder, const QString& target)
{
    const QUrl link(target);
    return link.isLocalFile() &&
           QDir::cleanPath(link.toLocalFile())
               .startsWith(QDir::cleanPath(imageFolder + QStringLiteral("/banner")) + u'/');
}

} // namespace obzorka::extras
