#include "pages/generhtml.h"

#include "extras/dateline.h"
#include "pages/pagetext.h"
#include "store/dates.h"
#include "store/store.h"

namespace obzorka::pages {
namespace {

// A programme's start and end as minutes from the midnight that begins `?4`, its day, hours of
// 24 and more after midnight counting on.
constexpr QLatin1StringView startMinute{
    "(CAST(round(julianday(datum)-julianday(?4)) AS INTEGER)*1440+hod1*60+min1)"};
constexpr QLatin1StringView endMinute{
    "(CAST(round(julianday(datum)-julianday(?4)) AS INTEGER)*1440+hod2*60+min2)"};

} // namespace

Statement nowStatement(const QString& station, const QDateTime& moment)
{
    // Yesterday's listing may still run after midnight; tomorrow's may hold the next one.
    const QDate day = moment.date();
    const QString stillOn = QStringLiteral("tv=?1 AND datum BETWEEN ?2 AND ?3 AND ") + endMinute +
                            QStringLiteral(">?5");
    const QString sql =
        QStringLiteral("SELECT program.*,IIf(upozornit.id<>0,upozornit.id,0) AS upozornitid "
                       "FROM program LEFT JOIN upozornit ON program.id = upozornit.id WHERE ") +
        stillOn + QStringLiteral(" ORDER BY ") + startMinute +
        QStringLiteral(" LIMIT (SELECT IIf(count(*)>0,2,1) FROM program WHERE ") + stillOn +
        QStringLiteral(" AND ") + startMinute + QStringLiteral("<=?5)");
    return {sql,
            {station, store::dates::isoDate(day.addDays(-1)), store::dates::isoDate(day.addDays(1)),
             store::dates::isoDate(day), moment.time().hour() * 60 + moment.time().minute()}};
}

QString generbezi(const PageContext& context, const QDateTime& moment)
{
    QString page = pageStart() + listingStyle(false) + metaAndHeadEnd() + standardBody() +
                   QStringLiteral("<CENTER><FONT COLOR=white SIZE=+2><B>Teď běží</B></FONT> "
                                  "<FONT COLOR=#10D010><B>") +
                   moment.toString(QStringLiteral("H:mm")) + QStringLiteral(", ") +
                   extras::nazevdne(moment.date()) + u' ' + store::dates::dayText(moment.date()) +
                   QStringLiteral("</B></FONT></CENTER><TABLE ALIGN=CENTER WIDTH=100% "
                                  "CELLSPACING=0>");
    int row = 0;
    for (const store::Row& station :
         context.store.provedsql(QStringLiteral("SELECT tv FROM televize WHERE povoleno<>0 AND "
                                                "pozice BETWEEN 1 AND 96 ORDER BY pozice"))) {
        const QString name = station.text(u"tv");
        const Statement statement = nowStatement(name, moment);
        const QString colour =
            row++ % 2 == 0 ? QStringLiteral("#151520") : QStringLiteral("#202030");
        page += QStringLiteral("<TR><TD WIDTH=25% VALIGN=TOP BGCOLOR=") + colour +
                QStringLiteral("><FONT COLOR=white SIZE=+1><B>") + pageText(name) +
                QStringLiteral("</B></FONT></TD><TD VALIGN=TOP BGCOLOR=") + colour +
                QStringLiteral("><TABLE WIDTH=100%>") +
                radkyporadu(context, statement.sql, statement.params, false, links::Origin::Now) +
                QStringLiteral("</TABLE></TD></TR>");
    }
    return page + QStringLiteral("<TFOOT><TR><TD COLSPAN=2>") + noticeLine() +
           QStringLiteral("</TD></TR></TABLE>") + pageEnd();
}

} // namespace obzorka::pages
