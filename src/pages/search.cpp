#include "pages/generhtml.h"

#include "extras/dateline.h"
#include "pages/chooseritems.h"
#include "pages/pagelinks.h"
#include "pages/pagetext.h"
#include "store/clock.h"
#include "store/dates.h"
#include "store/store.h"

#include <array>

namespace obzorka::pages {
namespace {

QString searchRow(const PageContext& context, const store::Row& programme)
{
    const QString id = programme.text(u"id");
    const QDate day = store::dates::parseDate(programme.text(u"datum")).value_or(QDate());
    QString row = rowOpening(programme);
    row += QStringLiteral("<TD VALIGN=TOP><FONT COLOR=white><B>") +
           pageText(programme.text(u"tv")) +
           QStringLiteral("</B></FONT></TD><TD VALIGN=TOP WIDTH=150 CLASS=datum>") +
           store::dates::dayText(day) + u' ' + extras::nazevdne(day) + QStringLiteral("</TD>");
    row += links::timeCellOpening(id, programme.number(u"upozornitid") != 0) +
           QStringLiteral(" STYLE=\"text-decoration: none\" ONCLICK=\"return false\">") +
           casnatext(programme.number(u"hod1"), programme.number(u"min1")) +
           QStringLiteral("</A>") + ikonatypu(context, programme.text(u"typprg")) +
           flagIcons(context, programme) + QStringLiteral("</TD>");
    row += QStringLiteral("<TD VALIGN=TOP CLASS=infnaz><B><A HREF=\"") +
           links::detailTarget(id, links::Origin::Search) +
           QStringLiteral("\" TARGET=\"_parent\" CLASS=infnaz STYLE=\"text-decoration:none;\" "
                          "ONCLICK=\"return false\">") +
           pageText(programme.text(u"nazev")) + QStringLiteral("</A></B>") + shortInfo(programme) +
           vpsLine(context, programme) + illustration(context, programme) +
           QStringLiteral("</TD></TR>");
    return row;
}

QString pagingLink(qint64 firstRow, const QString& caption)
{
    return QStringLiteral("<A HREF=\"") + links::searchPageTarget(QString::number(firstRow)) +
           QStringLiteral("\" ONCLICK=\"return false\" STYLE=\"color: #10D010;font-weight: "
                          "bold;\">") +
           caption + QStringLiteral("</A>");
}

// One page of results: the rows from firstRow on, with the paging links. Only the rows of
// the page and one more (to know whether a next page exists) are read.
QString generradkyhledani(const PageContext& context, const QString& sql, QVariantList params,
                          qint64 firstRow)
{
    params << searchPageSize + 1 << std::max<qint64>(firstRow - 1, 0);
    const store::Rows rows =
        context.store.provedsql(sql + QStringLiteral(" LIMIT ? OFFSET ?"), params);
    QString page;
    if (firstRow > 1)
        page += QStringLiteral("<TR><TD COLSPAN=2><TD COLSPAN=2>") +
                pagingLink(firstRow - searchPageSize, QStringLiteral("PŘEDCHOZÍ POŘADY")) +
                QStringLiteral("</TD></TR><TR><TD HEIGHT=25></TD></TR>");
    const qsizetype shown = std::min<qsizetype>(qsizetype(rows.size()), searchPageSize);
    for (qsizetype i = 0; i < shown; ++i)
        page += searchRow(context, rows.at(i));
    if (qsizetype(rows.size()) > searchPageSize)
        page +=
            QStringLiteral("<TR><TD HEIGHT=25></TD></TR><TR><TD COLSPAN=2></TD><TD COLSPAN=2>") +
            pagingLink(firstRow + searchPageSize, QStringLiteral("DALŠÍ POŘADY")) +
            QStringLiteral("</TD></TR>");
    if (shown == 0)
        page += QStringLiteral("<TR><TD HEIGHT=50 ALIGN=CENTER><FONT COLOR=\"red\">Pořad nebyl "
                               "nalezen.</FONT></TD></TR>");
    return page;
}

} // namespace

QString groupCondition(const QString& groupName)
{
    // Each group is a range of the station numbers; "Zahraniční" spans all foreign ones.
    static const std::array<std::pair<const char*, const char*>, 8> conditions{
        {{"Základní české", " AND (idtv>=1) AND (idtv<=4) "},
         {"České", " AND (idtv>=1) AND (idtv<=999) "},
         {"Zahraniční", " AND (idtv>=1000) "},
         {"Slovenské", " AND (idtv>=1000) AND (idtv<=1999) "},
         {"Polské", " AND (idtv>=2000) AND (idtv<=2999) "},
         {"Německé", " AND (idtv>=3000) AND (idtv<=3999) "},
         {"Anglické", " AND (idtv>=4000) AND (idtv<=4999) "},
         {"Jiné zahraniční", " AND (idtv>=5000) "}}};
    for (const auto& [name, condition] : conditions) {
        if (groupName == QString::fromUtf8(name))
            return QString::fromLatin1(condition);
    }
    return {};
}

Statement searchStatement(const SearchQuery& query)
{
    const QDateTime now = store::Clock::now();
    QString from;
    QString to;
    if (query.dayText == u"Kdykoliv") {
        from = store::dates::isoDate(now.date());
        to = store::dates::isoDate(now.date().addDays(365));
    } else {
        // A day that is no date finds nothing.
        const auto day = chooseritems::dateOfItem(query.dayText);
        from = to = day ? store::dates::isoDate(*day) : QString();
    }
    const QString searched =
        query.titleOnly ? QStringLiteral("nazev") : QStringLiteral("nazev, info1, info2");
    // Programmes that have ended are never found: their end (day, hours, minutes) lies before
    // now, counted in seconds from the start of today.
    const QString sql =
        QStringLiteral("SELECT program.*,IIf(upozornit.id<>0,upozornit.id,0) AS upozornitid, "
                       "televize.idtv FROM (program LEFT JOIN upozornit ON program.id = "
                       "upozornit.id) INNER JOIN televize ON program.tv = televize.tv WHERE "
                       "(datum>=DateValue(?)) ") +
        (query.markedOnly ? QStringLiteral(" AND (upozornit.id<>0) ") : QString()) +
        QStringLiteral(" AND (datum<=DateValue(?)) AND ((julianday(datum)-julianday(?))*86400"
                       "+hod2*3600+min2*60>=?) AND (ContainsText(LCase(?), ") +
        searched + QStringLiteral(")) ") + typeCondition(query.typeName) +
        groupCondition(query.groupName) + QStringLiteral(" ORDER BY datum, hod1, min1, program.tv");
    return {sql,
            {from, to, store::dates::isoDate(now.date()), now.time().msecsSinceStartOfDay() / 1000,
             query.text}};
}

QString generhledani(const PageContext& context, const SearchQuery& query)
{
    const Statement statement = searchStatement(query);
    return pageStart() + listingStyle(true) + metaAndHeadEnd() + standardBody() +
           QStringLiteral("<TABLE WIDTH=80% ALIGN=CENTER>") +
           generradkyhledani(context, statement.sql, statement.params, query.firstRow) +
           QStringLiteral("</TABLE>") + noticeLine() + pageEnd();
}

} // namespace obzorka::pages
