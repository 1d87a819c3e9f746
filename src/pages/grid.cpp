#include "pages/generhtml.h"

#include "pages/pagelinks.h"
#include "pages/pagetext.h"
#include "store/clock.h"
#include "store/dates.h"

#include <QRegularExpression>
#include <array>

namespace obzorka::pages {
namespace {

constexpr int endOfDay = 48;

struct ColumnColours
{
    const char* a;
    const char* b;
};
constexpr std::array<ColumnColours, 4> columnColours{{{"#151520", "#202020"},
                                                      {"#151528", "#202030"},
                                                      {"#151530", "#202040"},
                                                      {"#151534", "#202050"}}};

QString colourA(int column)
{
    return QString::fromLatin1(columnColours.at(column).a);
}

QString colourB(int column)
{
    return QString::fromLatin1(columnColours.at(column).b);
}

// The hour a chooser text names: "8:00" is 8, " 1:00" (after midnight) is 25, "Konce" the end
// of the day, anything else the start of the day.
int hourOf(const QString& text)
{
    static const QRegularExpression hourItem(QStringLiteral("^( ?)(\\d{1,2}):00$"));
    if (text == u"Konce")
        return endOfDay;
    if (const auto match = hourItem.match(text); match.hasMatch())
        return match.captured(2).toInt() + (match.captured(1).isEmpty() ? 0 : 24);
    return 0;
}

QString accusativeDayName(QDate day)
{
    static const std::array<const char*, 7> names{"PONDĚLÍ", "ÚTERÝ",  "STŘEDU", "ČTVRTEK",
                                                  "PÁTEK",   "SOBOTU", "NEDĚLI"};
    return day.isValid() ? QString::fromUtf8(names.at(day.dayOfWeek() - 1)) : QString();
}

} // namespace

WindowTime fromTime(const QString& text, const QTime& now)
{
    if (text == u"Teď")
        return {now.hour(), now.minute()};
    return {hourOf(text), 0};
}

WindowTime toTime(const QString& text, const QTime& now)
{
    if (text == u"Teď")
        return {now.hour(), now.minute()};
    return {hourOf(text), 59};
}

std::vector<Band> clipBands(const QString& fromText, const QString& toText, const QTime& now)
{
    std::vector<Band> bands{
        {0, 0, 12, 0}, {12, 0, 18, 0}, {18, 0, 20, 0}, {20, 0, 22, 0}, {22, 0, endOfDay, 0}};
    const WindowTime from = fromTime(fromText, now);
    const WindowTime to = toTime(toText, now);

    while (bands.size() > 1 && bands.front().endHour < from.hour)
        bands.erase(bands.begin());
    bands.front().startHour = from.hour;
    bands.front().startMinute = from.minute;

    // Bands after the window go; when even the first starts after it, its row is still
    // written with its own end and shows what runs at the window's start.
    qsizetype count = qsizetype(bands.size());
    while (count > 0 && bands.at(count - 1).startHour > to.hour)
        --count;
    if (count == 0) {
        bands.resize(1);
        return bands;
    }
    bands.resize(count);
    bands.back().endHour = to.hour;
    bands.back().endMinute = to.minute;
    return bands;
}

Statement bandStatement(QDate day, const QString& station, const Band& band, bool firstBand,
                        const QString& typeName)
{
    const QString sql =
        QStringLiteral(
            "SELECT program.*,IIf(upozornit.id<>0,upozornit.id,0) AS upozornitid FROM program "
            "LEFT JOIN upozornit ON program.id = upozornit.id WHERE (datum=DateValue(?)) AND "
            "(tv=?) AND ((hod1+min1/60.0)<(?+?/60.0)) AND ") +
        (firstBand ? QStringLiteral("((hod2+(min2/60.0))>(?+?/60.0)) ")
                   : QStringLiteral("((hod1+(min1/60.0))>=(?+?/60.0)) ")) +
        typeCondition(typeName) + QStringLiteral(" ORDER BY hod1, min1");
    return {sql,
            {store::dates::dayText(day), station, band.endHour, band.endMinute, band.startHour,
             band.startMinute}};
}

QString typeCondition(const QString& typeName)
{
    static const std::array<std::pair<const char*, const char*>, 7> conditions{
        {{"Dokumenty", " AND (typprg='D') "},
         {"Filmy", " AND (typprg='F' OR typprg='T' OR typprg='K' OR typprg='W' OR typprg='P' OR "
                   "typprg='H') "},
         {"Dětem", " AND (typprg='Q') "},
         {"Seriály", " AND (typprg='S') "},
         {"Zábava", " AND (typprg='L') "},
         {"Zprávy", " AND (typprg='Z') "},
         {"Sport", " AND (typprg='O') "}}};
    for (const auto& [name, condition] : conditions) {
        if (typeName == QString::fromUtf8(name))
            return QString::fromLatin1(condition);
    }
    return {};
}

QString generhlavicku(const QStringList& stations)
{
    QString page = pageStart() + metaAndHeadEnd() + standardBody() +
                   QStringLiteral("  <TABLE ALIGN=CENTER WIDTH=100% CELLSPACING=0 CELLPADDING=0>"
                                  "  <TR>");
    for (int column = 0; column < 4; ++column) {
        const QString name = stations.value(column);
        if (name.isEmpty()) {
            page += QStringLiteral("          <TD WIDTH=25% ALIGN=CENTER></TD>");
            continue;
        }
        page += QStringLiteral("          <TD WIDTH=25% ALIGN=CENTER BGCOLOR=") + colourA(column) +
                u'>';
        if (column == 0)
            page += QStringLiteral("<TABLE ALIGN=CENTER WIDTH=100%><TR><TD ALIGN=LEFT "
                                   "WIDTH=33%><A HREF=\"") +
                    links::jumpToEightTarget() +
                    QStringLiteral("\" STYLE=\"text-decoration: none; color: #00FF00; "
                                   "font-weight: bold; font-size: 10\" ONCLICK=\"return "
                                   "false;\">20</A><TD ALIGN=CENTER WIDTH=34%>");
        page += QStringLiteral("          <FONT COLOR=white SIZE=+2><B>") + pageText(name) +
                QStringLiteral("</B></FONT></TD>");
        if (column == 0)
            page += QStringLiteral("</TD><TD WIDTH=33%></TR></TABLE>");
    }
    return page + QStringLiteral("  </TR>  </TABLE>") + pageEnd();
}

QString genertabulku(const PageContext& context, QDate day, const QString& typeName,
                     const QString& fromText, const QString& toText, const QStringList& stations,
                     bool print)
{
    const std::vector<Band> bands = clipBands(fromText, toText, store::Clock::now().time());
    const QString dayText = store::dates::dayText(day);
    const auto bandRows = [&](int band, const QString& station) {
        const Statement statement =
            bandStatement(day, station, bands.at(band), band == 0, typeName);
        return radkyporadu(context, statement.sql, statement.params, print);
    };

    QString page = pageStart() + listingStyle(false) + metaAndHeadEnd() + standardBody();
    page += print ? QStringLiteral("  <TABLE ALIGN=CENTER WIDTH=100% CELLSPACING=0 BORDER=1>")
                  : QStringLiteral("  <TABLE ALIGN=CENTER WIDTH=100% CELLSPACING=0>");
    page += QStringLiteral("<THEAD>");
    if (print) {
        page += QStringLiteral("<TR><TD ALIGN=CENTER COLSPAN=4><FONT SIZE=+1><B>&nbsp;PROGRAM TV "
                               "NA&nbsp;") +
                accusativeDayName(day) + QStringLiteral("&nbsp;") + dayText +
                QStringLiteral("</B></FONT></TD></TR>  <TR>");
        for (int column = 0; column < 4; ++column) {
            const QString name = stations.value(column);
            page += name.isEmpty() ? QStringLiteral("          <TD WIDTH=25% ALIGN=CENTER></TD>")
                                   : QStringLiteral("          <TD WIDTH=25% ALIGN=CENTER>"
                                                    "          <FONT SIZE=+2><B>") +
                                         pageText(name) + QStringLiteral("</B></FONT></TD>");
        }
        page += QStringLiteral("  </TR>");
    }

    page += QStringLiteral("<TBODY>  <TR>");
    for (int column = 0; column < 4; ++column) {
        page += stations.value(column).isEmpty()
                    ? QStringLiteral("          <TD WIDTH=25%>")
                    : QStringLiteral("          <TD BGCOLOR=") + colourB(column) +
                          QStringLiteral(" WIDTH=25%>");
        page += QStringLiteral("    <TABLE WIDTH=100%><TD></TD></TABLE>    </TD>");
    }
    page += QStringLiteral("  </TR>  <TR>");
    for (int column = 0; column < 4; ++column) {
        const QString name = stations.value(column);
        page += name.isEmpty() ? QStringLiteral("          <TD WIDTH=25%>")
                               : QStringLiteral("      <TD BGCOLOR=") + colourA(column) +
                                     QStringLiteral(" WIDTH=25% VALIGN=TOP><TABLE WIDTH=100%>") +
                                     bandRows(0, name) + QStringLiteral("      </TABLE>");
        page += QStringLiteral("    </TD>");
    }
    page += QStringLiteral("  </TR>");

    for (int band = 1; band < int(bands.size()); ++band) {
        page += QStringLiteral("  <TR>");
        for (int column = 0; column < 4; ++column) {
            const QString name = stations.value(column);
            const QString colour = (band + 1) % 2 == 1 ? colourA(column) : colourB(column);
            page += name.isEmpty() ? QStringLiteral("          <TD WIDTH=25%>")
                                   : QStringLiteral("          <TD BGCOLOR=") + colour +
                                         QStringLiteral("                                WIDTH=25% "
                                                        "VALIGN=TOP><TABLE WIDTH=100%>") +
                                         bandRows(band, name) + QStringLiteral("</TABLE>");
            page += QStringLiteral("    </TD>");
        }
        page += QStringLiteral("  </TR>");
    }
    return page + QStringLiteral("<TFOOT><TR><TD COLSPAN=4>") + noticeLine() +
           QStringLiteral("</TD></TR></TABLE>") + pageEnd();
}

} // namespace obzorka::pages
