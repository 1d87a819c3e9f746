#include "pages/generhtml.h"

#include "pages/helptexts.h"

#include <array>

namespace obzorka::pages {
namespace {

struct Topic
{
    const char* link;
    const char* caption;
};

// The topic pages in the order their navigation lists them.
constexpr std::array<Topic, 5> topics{{{"helpstahovani.html", "Stahování dat/pozastavit stahování"},
                                       {"helpklasicke.html", "Klasické zobrazení"},
                                       {"helpvyhledavani.html", "Vyhledávání"},
                                       {"helpnastaveni.html", "Nastavení POBZ"},
                                       {"helpodinstalace.html", "Odinstalování POBZ"}}};

const QString cellOpening =
    QStringLiteral("<TR><TD align=\"left\" valign=\"top\"><p align=\"justify\"");

QString helpStart(const QString& heading)
{
    return pageStart() + metaLine() +
           QStringLiteral(
               "<STYLE TYPE=\"text/css\"><!--BODY   {  }"
               "       .z {color: gold; font-size: 10pt; font-family: \"Helvetica CE\",Arial;}"
               "       .a { color: red; font-weight: bold; font-size: 10pt; font-family: "
               "\"Helvetica CE\",Arial;}--></STYLE></HEAD><BODY BGCOLOR=\"#000050\" TEXT=\"gold\" "
               "link=\"red\" vlink=\"red\" alink=\"red\">") +
           heading;
}

QString screenshot(const PageContext& context, const QString& name)
{
    return QStringLiteral("<CENTER><IMG SRC=\"") + context.imageFolder + QStringLiteral("/help/") +
           name + QStringLiteral("\" border=\"0\"></CENTER><BR>");
}

QString linkRow(const QString& link, const QString& caption)
{
    return cellOpening + QStringLiteral("><A HREF=\"") + link +
           QStringLiteral("\" ONCLICK=\"return false\" class=\"a\">") + caption +
           QStringLiteral("</A></TD>");
}

// The links to the index (except on the index) and to every other topic, then the mail link.
QString navigation(const QString& current)
{
    QString rows;
    if (current != u"helpindex.html")
        rows += linkRow(QStringLiteral("helpindex.html"), QStringLiteral("Zpět"));
    for (const Topic& topic : topics) {
        const QString link = QString::fromLatin1(topic.link);
        if (link != current)
            rows += linkRow(link, QString::fromUtf8(topic.caption));
    }
    return rows + cellOpening + QStringLiteral("><A HREF=\"mailto:") + helptexts::supportAddress() +
           QStringLiteral("\" class=\"a\">Problémy? / Připomínky k programu</A></TD>");
}

QString itemRow(const QString& heading, const QString& text)
{
    return cellOpening + QStringLiteral(" class=\"a\">") + heading +
           QStringLiteral("</TD><TD align=\"left\" valign=\"top\"><p align=\"justify\" "
                          "class=\"z\">- ") +
           text + QStringLiteral("</TD></TR>");
}

QString numberedRows(const std::vector<helptexts::Item>& items)
{
    QString rows;
    for (size_t i = 0; i < items.size(); ++i)
        rows += itemRow(QString::number(i + 1) + QStringLiteral(".&nbsp;") + items.at(i).heading,
                        items.at(i).text);
    return rows;
}

QString textCell(const QString& text)
{
    return cellOpening + QStringLiteral(" class=\"z\">") + text + QStringLiteral("</TD></TR>");
}

QString topicPage(const QString& link, const QString& heading, const QString& picture,
                  const QString& rows)
{
    return helpStart(heading) + picture + QStringLiteral("<CENTER><TABLE border=\"0\">") + rows +
           QStringLiteral("</TABLE><BR><BR><BR><BR><TABLE border=\"0\">") + navigation(link) +
           QStringLiteral("</TABLE></CENTER>") + pageEnd();
}

} // namespace

QString generhelpindex(const PageContext&)
{
    return helpStart(QStringLiteral(
               "<CENTER><H1><B>Nápověda k programu Obzorka (POBZ)</B></H1></CENTER>")) +
           QStringLiteral("<CENTER><BR><BR><TABLE BORDER=0>") +
           navigation(QStringLiteral("helpindex.html")) + QStringLiteral("</TABLE></CENTER>") +
           pageEnd();
}

QString generhelpklasicke(const PageContext& context)
{
    return topicPage(QStringLiteral("helpklasicke.html"),
                     QStringLiteral("<CENTER><H1><B>Nápověda k programu Obzorka (POBZ)<BR>Klasické "
                                    "zobrazení</B></H1></CENTER>"),
                     screenshot(context, QStringLiteral("map.gif")),
                     numberedRows(helptexts::classicViewItems(context.imageFolder)));
}

QString generhelpnastaveni(const PageContext& context)
{
    QString rows;
    for (const helptexts::Item& item : helptexts::settingsItems())
        rows += itemRow(item.heading, item.text);
    return topicPage(QStringLiteral("helpnastaveni.html"),
                     QStringLiteral("<CENTER><H1><B>Nápověda k programu Obzorka (POBZ)</B><BR>"
                                    "Nastavení</H1></CENTER>"),
                     screenshot(context, QStringLiteral("nastav.gif")), rows);
}

QString generhelpodinstalace(const PageContext&)
{
    return topicPage(QStringLiteral("helpodinstalace.html"),
                     QStringLiteral("<CENTER><H1><B>Nápověda k programu Obzorka (POBZ)<BR>"
                                    "Odinstalace</B></H1></CENTER>"),
                     QString(), textCell(helptexts::uninstallText()));
}

QString generhelpstahovani(const PageContext& context)
{
    return topicPage(QStringLiteral("helpstahovani.html"),
                     QStringLiteral("<CENTER><H1><B>Nápověda k programu Obzorka (POBZ)<BR>"
                                    "Povolit/pozastavit stahování dat</B></H1></CENTER>"),
                     QString(), textCell(helptexts::downloadingText(context.imageFolder)));
}

QString generhelpvyhledavani(const PageContext& context)
{
    return topicPage(QStringLiteral("helpvyhledavani.html"),
                     QStringLiteral("<CENTER><H1><B>Nápověda k programu Obzorka (POBZ)</B><BR>"
                                    "Vyhledat</H1></CENTER>"),
                     screenshot(context, QStringLiteral("vyhledat.jpg")),
                     numberedRows(helptexts::searchItems()));
}

namespace {

using Builder = QString (*)(const PageContext&);
constexpr std::array<std::pair<const char*, Builder>, 6> builders{
    {{"helpindex.html", generhelpindex},
     {"helpklasicke.html", generhelpklasicke},
     {"helpnastaveni.html", generhelpnastaveni},
     {"helpodinstalace.html", generhelpodinstalace},
     {"helpstahovani.html", generhelpstahovani},
     {"helpvyhledavani.html", generhelpvyhledavani}}};

} // namespace

QStringList helpPageNames()
{
    QStringList names;
    for (const auto& [link, builder] : builders)
        names << QString::fromLatin1(link);
    return names;
}

QString helpPage(const PageContext& context, const QString& name)
{
    for (const auto& [link, builder] : builders) {
        if (name == QLatin1String(link))
            return builder(context);
    }
    return {};
}

} // namespace obzorka::pages
