#include "pages/generhtml.h"

#include "pages/helptexts.h"
#include "pages/pagelinks.h"

#include <array>

namespace obzorka::pages {
namespace {

struct Topic
{
    QLatin1StringView link;
    const char* caption;
};

// The topic pages in the order their navigation lists them.
constexpr std::array<Topic, 5> topics{
    {{links::helpDownloading, "Stahování dat/pozastavit stahování"},
     {links::helpClassic, "Klasické zobrazení"},
     {links::helpSearch, "Vyhledávání"},
     {links::helpSettings, "Nastavení POBZ"},
     {links::helpUninstall, "Odinstalování POBZ"}}};

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

QString linkRow(QLatin1StringView link, const QString& caption)
{
    return cellOpening + QStringLiteral("><A HREF=\"") + link +
           QStringLiteral("\" ONCLICK=\"return false\" class=\"a\">") + caption +
           QStringLiteral("</A></TD>");
}

// The links to the index (except on the index) and to every other topic, then the mail link.
QString navigation(QLatin1StringView current)
{
    QString rows;
    if (current != links::helpIndex)
        rows += linkRow(links::helpIndex, QStringLiteral("Zpět"));
    for (const Topic& topic : topics) {
        if (topic.link != current)
            rows += linkRow(topic.link, QString::fromUtf8(topic.caption));
    }
    return rows + cellOpening + QStringLiteral("><A HREF=\"") +
           links::mailTarget(helptexts::supportAddress()) +
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

QString plainRows(const std::vector<helptexts::Item>& items)
{
    QString rows;
    for (const helptexts::Item& item : items)
        rows += itemRow(item.heading, item.text);
    return rows;
}

QString textCell(const QString& text)
{
    return cellOpening + QStringLiteral(" class=\"z\">") + text + QStringLiteral("</TD></TR>");
}

QString topicPage(QLatin1StringView link, const QString& heading, const QString& picture,
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
           QStringLiteral("<CENTER><BR><BR><TABLE BORDER=0>") + navigation(links::helpIndex) +
           QStringLiteral("</TABLE></CENTER>") + pageEnd();
}

QString generhelpklasicke(const PageContext& context)
{
    return topicPage(links::helpClassic,
                     QStringLiteral("<CENTER><H1><B>Nápověda k programu Obzorka (POBZ)<BR>Klasické "
                                    "zobrazení</B></H1></CENTER>"),
                     screenshot(context, QStringLiteral("map.gif")),
                     numberedRows(helptexts::classicViewItems(context.imageFolder)) +
                         plainRows(helptexts::moreClassicViewItems()));
}

QString generhelpnastaveni(const PageContext& context)
{
    return topicPage(links::helpSettings,
                     QStringLiteral("<CENTER><H1><B>Nápověda k programu Obzorka (POBZ)</B><BR>"
                                    "Nastavení</H1></CENTER>"),
                     screenshot(context, QStringLiteral("nastav.gif")),
                     plainRows(helptexts::settingsItems()));
}

QString generhelpodinstalace(const PageContext&)
{
    return topicPage(links::helpUninstall,
                     QStringLiteral("<CENTER><H1><B>Nápověda k programu Obzorka (POBZ)<BR>"
                                    "Odinstalace</B></H1></CENTER>"),
                     QString(), textCell(helptexts::uninstallText()));
}

QString generhelpstahovani(const PageContext& context)
{
    return topicPage(links::helpDownloading,
                     QStringLiteral("<CENTER><H1><B>Nápověda k programu Obzorka (POBZ)<BR>"
                                    "Povolit/pozastavit stahování dat</B></H1></CENTER>"),
                     QString(), textCell(helptexts::downloadingText(context.imageFolder)));
}

QString generhelpvyhledavani(const PageContext& context)
{
    return topicPage(links::helpSearch,
                     QStringLiteral("<CENTER><H1><B>Nápověda k programu Obzorka (POBZ)</B><BR>"
                                    "Vyhledat</H1></CENTER>"),
                     screenshot(context, QStringLiteral("vyhledat.jpg")),
                     numberedRows(helptexts::searchItems()));
}

namespace {

using Builder = QString (*)(const PageContext&);
constexpr std::array<std::pair<QLatin1StringView, Builder>, 6> builders{
    {{links::helpIndex, generhelpindex},
     {links::helpClassic, generhelpklasicke},
     {links::helpSettings, generhelpnastaveni},
     {links::helpUninstall, generhelpodinstalace},
     {links::helpDownloading, generhelpstahovani},
     {links::helpSearch, generhelpvyhledavani}}};

} // namespace

QStringList helpPageNames()
{
    QStringList names;
    for (const auto& [link, builder] : builders)
        names << link;
    return names;
}

QString helpPage(const PageContext& context, const QString& name)
{
    for (const auto& [link, builder] : builders) {
        if (name == link)
            return builder(context);
    }
    return {};
}

} // namespace obzorka::pages
