#include "pages/generhtml.h"

#include "pages/pagelinks.h"
#include "pages/pagetext.h"
#include "store/blanks.h"
#include "store/clock.h"
#include "store/dates.h"
#include "store/programmeid.h"
#include "store/store.h"

namespace obzorka::pages {
namespace {

QString reminderState(const store::Row& programme, bool marked)
{
    const QDateTime day =
        store::dates::naive(store::dates::parseDate(programme.text(u"datum")).value_or(QDate()));
    const QDateTime start =
        day.addSecs(programme.number(u"hod1") * 3600 + programme.number(u"min1") * 60);
    const QDateTime end =
        day.addSecs(programme.number(u"hod2") * 3600 + programme.number(u"min2") * 60);
    const QDateTime now = store::Clock::now();
    if (store::dates::minuteBoundaries(end, now) > 0)
        return QStringLiteral("<FONT COLOR=#10D010>POŘAD JIŽ SKONČIL.</FONT>");
    if (store::dates::minuteBoundaries(start, now) > 0)
        return QStringLiteral("<FONT COLOR=#10D010>POŘAD JIŽ ZAČAL.</FONT>");
    return links::reminderLink(programme.text(u"id"), marked) + QStringLiteral("<BR>");
}

QString leftColumn(const PageContext& context, const store::Row& programme)
{
    QString column =
        QStringLiteral("<B>Název:</B> <FONT COLOR=red><B>") + pageText(programme.text(u"nazev")) +
        QStringLiteral("</B></FONT><BR><B>Televize:</B> <FONT COLOR=red>") +
        pageText(programme.text(u"tv")) +
        QStringLiteral("</FONT><BR><B>Datum:</B> <FONT COLOR=gold>") +
        store::dates::dayText(store::dates::parseDate(programme.text(u"datum")).value_or(QDate())) +
        QStringLiteral("</FONT><BR><B>Čas vysílání pořadu:</B> <FONT COLOR=gold>") +
        casnatext(programme.number(u"hod1"), programme.number(u"min1")) + u'-' +
        casnatext(programme.number(u"hod2"), programme.number(u"min2")) +
        QStringLiteral("</FONT><BR>");

    const QString code = context.showVps ? vpsCode(programme) : QString();
    if (!code.isEmpty())
        column += QStringLiteral("<B>VPS:</B> <FONT COLOR=\"#22cc22\" STYLE=\"font-weight: bold; "
                                 "font-size: 8pt; font-family: Courier;\">") +
                  code + QStringLiteral("</FONT><BR>");

    const QString typeIcon =
        ikonatypu(context, programme.text(u"typprg")).remove(QStringLiteral("<BR>"));
    if (!typeIcon.isEmpty())
        column += QStringLiteral("<B>Typ pořadu:</B> ") + typeIcon + QStringLiteral("<BR>");

    const QString icons =
        flagIcons(context, programme, !store::trimBlanks(programme.text(u"info2")).isEmpty(),
                  QStringLiteral(" "));
    if (!icons.isEmpty())
        column += QStringLiteral("<B>Doplňující informace:</B> ") + icons + QStringLiteral("<BR>");

    const QString info1 = store::trimBlanks(programme.text(u"info1"));
    if (!info1.isEmpty())
        column += QStringLiteral("<BR><B>Krátká informace:</B> <FONT COLOR=\"#D0D0FF\">") +
                  pageText(info1) + QStringLiteral("</FONT><BR>");

    const QString picture = store::trimBlanks(programme.text(u"obr"));
    if (!picture.isEmpty()) {
        const QString path = illustrationPath(context, picture);
        column += path.isEmpty() ? QString(QStringLiteral("<BR>") + notLoaded())
                                 : QString(QStringLiteral("<BR><IMG SRC=\"") + attributeText(path) +
                                           QStringLiteral("\">"));
    }
    return column;
}

QString middleColumn(const PageContext& context, const store::Row& programme, bool marked)
{
    QString column = reminderState(programme, marked) + links::calendarLink(programme.text(u"id"));
    const QString picture = store::trimBlanks(programme.text(u"obr2"));
    if (!picture.isEmpty()) {
        const QString path = illustrationPath(context, picture);
        column += path.isEmpty() ? QString(notLoaded() + QStringLiteral("<BR>"))
                                 : QString(QStringLiteral("<IMG SRC=\"") + attributeText(path) +
                                           QStringLiteral("\" ALIGN=\"RIGHT\">"));
    }
    const QString info2 = store::trimBlanks(programme.text(u"info2"));
    if (!info2.isEmpty())
        column += QStringLiteral("<BR><B>Rozšířená informace:</B> <FONT COLOR=\"#D0D0FF\">") +
                  pageText(info2) + QStringLiteral("</FONT><BR>");
    return column;
}

} // namespace

QString genervypisinf(const PageContext& context, const QString& id, links::Origin from)
{
    QString page = QStringLiteral("<HTML><BODY BGCOLOR=\"#000050\" TEXT=\"#A0A0FF\"><BR>");
    const bool marked =
        !context.store.provedsql(QStringLiteral("SELECT * FROM upozornit") + store::whereIdIs, {id})
             .empty();
    const store::Rows found =
        context.store.provedsql(QStringLiteral("SELECT * FROM program") + store::whereIdIs, {id});
    if (!found.empty()) {
        const store::Row& programme = found.front();
        page += QStringLiteral("<TABLE WIDTH=95% ALIGN=CENTER><TR><TD WIDTH=300 VALIGN=TOP>") +
                leftColumn(context, programme) + QStringLiteral("</TD><TD VALIGN=TOP>") +
                middleColumn(context, programme, marked) +
                QStringLiteral("</TD><TD VALIGN=TOP ALIGN=RIGHT><A HREF=\"") +
                links::backTarget(from) +
                QStringLiteral("\" STYLE=\"color: red;\" ONCLICK=\"return false;\">Zpět</A></TD>"
                               "</TR><TR><TD HEIGHT=10></TD></TR><TR><TD></TD></TR></TABLE>");
    }
    return page + pageEnd();
}

} // namespace obzorka::pages
