#include "pages/generhtml.h"
#include "store/clock.h"
#include "support/listings.h"
#include "support/teststore.h"

#include <QRegularExpression>

using namespace obzorka;
using namespace obzorka::pages;

// A store with four stations of the search groups, the clock at noon of `day`.
class Pages : public test::StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        store::Clock::setFixed(QDateTime(day, QTime(12, 0)));
        test::addStation(store, "ČT1", 1, 1);
        test::addStation(store, "Prima", 2, 5);
        test::addStation(store, "Markíza", 3, 1001);
        test::addStation(store, "ZDF", 4, 3001);
    }
    PageContext context() { return {store, folder() + "/bmp", showVps}; }
    QString detail(const QString& id, links::Origin from = links::Origin::Grid)
    {
        return genervypisinf(context(), id, from);
    }
    QString rows(bool noImages = false)
    {
        return radkyporadu(context(),
                           "SELECT program.*, IIf(upozornit.id<>0,upozornit.id,0) AS upozornitid "
                           "FROM program LEFT JOIN upozornit ON program.id=upozornit.id ORDER BY "
                           "hod1, min1",
                           {}, noImages);
    }
    QString grid(const QString& from, const QString& to, const QString& type = "Vše",
                 bool print = false)
    {
        return genertabulku(context(), day, type, from, to, {"ČT1", "", "Nova", ""}, print);
    }
    // The programmes of each band row, "|" between the rows.
    static QString bandRows(const QString& page)
    {
        static const QRegularExpression link("vypisinf\\.htm\\?id=(\\d+)\"");
        QStringList rows;
        for (const QString& row : page.section("<TBODY>", 1).split("  </TR>").mid(1)) {
            QStringList ids;
            for (auto match = link.globalMatch(row); match.hasNext();)
                ids << match.next().captured(1);
            rows << ids.join(',');
        }
        return rows.mid(0, rows.size() - 1).join('|');
    }
    QString search(const SearchQuery& query) { return generhledani(context(), query); }
    // The ids of the found programmes in page order.
    static QString found(const QString& page)
    {
        QStringList ids;
        const QString key = "vypisinf.htm?hledej=true&id=";
        for (qsizetype at = page.indexOf(key); at >= 0; at = page.indexOf(key, at)) {
            at += key.size();
            ids << page.mid(at, page.indexOf('"', at) - at);
        }
        return ids.join(',');
    }
    const QDate day{2026, 12, 7};
    bool showVps = false;
};

// The bands of the grid clipped to the window of the chooser texts, at 19:45.
TEST(Bands, ClippedToTheWindow)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Teď", "Konce", "19:45-20:00 20:00-22:00 22:00-48:59"},
        {"8:00", "12:00", "8:00-12:00 12:00-12:59"},
        {"Začátku", "Konce", "0:00-12:00 12:00-18:00 18:00-20:00 20:00-22:00 22:00-48:59"},
        {"nesmysl", "12:00", "0:00-12:00 12:00-12:59"},
        {" 0:00", "Konce", "24:00-48:59"},
        {" 3:00", " 8:00", "27:00-32:59"},
        {"Teď", "Teď", "19:45-19:45"},
        {"21:00", "8:00", "21:00-22:00"}, // to before from: the first band with its own end
        {"Konce", "Konce", "48:00-48:59"},
    };
    for (const auto& [from, to, bands] : cases) {
        QStringList clipped;
        for (const Band& b : clipBands(from, to, QTime(19, 45)))
            clipped << QString::asprintf("%d:%02d-%d:%02d", b.startHour, b.startMinute, b.endHour,
                                         b.endMinute);
        EXPECT_EQ(clipped.join(' '), bands) << from << "-" << to;
    }
}

// Before the start minute is over a reminder can be set (or cancelled when marked); then the
// programme has begun, and once its end minute is over it has ended.
TEST_F(Pages, DetailStateFollowsTheMinuteBoundaries)
{
    addProgramme(5, "ČT1", day, 20, 0, 21, 0);
    const QString set = "<A HREF=\"upozor.htm?id=5\" STYLE=\"color: #10D010;font-weight: bold;\" "
                        "ONCLICK=\"return false\">NASTAVIT UPOZORNĚNÍ</A><BR>";
    const QString begun = "<FONT COLOR=#10D010>POŘAD JIŽ ZAČAL.</FONT>";
    const QString ended = "<FONT COLOR=#10D010>POŘAD JIŽ SKONČIL.</FONT>";
    const std::pair<QTime, QString> cases[] = {{QTime(19, 59, 59), set},
                                               {QTime(20, 0, 59), set},
                                               {QTime(20, 1), begun},
                                               {QTime(21, 0, 59), begun},
                                               {QTime(21, 1), ended}};
    for (const auto& [now, shown] : cases) {
        store::Clock::setFixed(QDateTime(day, now));
        const QString page = detail("5");
        EXPECT_TRUE(page.contains(shown)) << now.toString().toStdString();
        EXPECT_EQ(page.count("UPOZORNĚNÍ") + page.count("POŘAD JIŽ"), 1);
    }
    store::Clock::setFixed(QDateTime(day, QTime(12, 0)));
    test::mark(store, 5);
    EXPECT_TRUE(detail(" 5 ").contains("<A HREF=\"upozor.htm?id=5\"") &&
                detail(" 5 ").contains(">ZRUŠIT UPOZORNĚNÍ</A>"));
}

// Type, extended information and the info icon appear only for what the programme has (blanks
// alone are nothing); the back link leads where the user came from; the VPS line under the
// option; an unknown id gives an empty page.
TEST_F(Pages, DetailLinesAppearOnlyForWhatTheProgrammeHas)
{
    test::insert(store, {.id = 1, .day = day, .typprg = "A"});
    test::insert(store, {.id = 2,
                         .tv = "ČT2",
                         .day = day,
                         .hod1 = 24,
                         .min1 = 10,
                         .hod2 = 25,
                         .info2 = "  Děj.  ",
                         .typprg = "O"});
    test::insert(store, {.id = 3, .day = day, .info1 = "   ", .info2 = "  "});
    for (const char* bare : {"1", "3"})
        for (const char* line : {"Doplňující informace:", "Typ pořadu:", "Rozšířená informace:"})
            EXPECT_FALSE(detail(bare).contains(line)) << bare << line;
    const QString bmp = folder() + "/bmp";
    for (const QString& piece : QStringList{
             "<FONT COLOR=gold>00:10-01:00</FONT>",
             "<B>Typ pořadu:</B> <IMG SRC=\"" + bmp + "/sport.gif\"><BR>",
             "<B>Doplňující informace:</B> <IMG SRC=\"" + bmp + "/info.gif\" BORDER=0> <BR>",
             "<BR><B>Rozšířená informace:</B> <FONT COLOR=\"#D0D0FF\">Děj.</FONT><BR>"})
        EXPECT_TRUE(detail("2").contains(piece)) << piece.toStdString();
    EXPECT_TRUE(
        detail("2", links::Origin::Search).contains("<A HREF=\"zpet.htm?hledej=true\" STYLE="));
    EXPECT_TRUE(detail("2", links::Origin::Now).contains("<A HREF=\"zpet.htm?ted=true\" STYLE="));
    EXPECT_FALSE(detail("2").contains("VPS:"));
    showVps = true;
    EXPECT_TRUE(detail("2").contains("Courier;\">208120010</FONT><BR>")); // the next day's
    EXPECT_EQ(detail("404"), "<HTML><BODY BGCOLOR=\"#000050\" TEXT=\"#A0A0FF\"><BR></BODY></HTML>");
    EXPECT_EQ(detail("02"), detail("404")); // ids compare as their text
}

TEST_F(Pages, DetailPicturesOrTheirTwoPlaceholders)
{
    test::writeFile(folder() + "/bmp/obr/a.jpg");
    test::insert(store, {.id = 1, .day = day, .obr = " a.jpg ", .obr2 = "a.jpg"});
    test::insert(store, {.id = 2, .day = day, .obr = "b.jpg", .obr2 = "c.jpg"});
    const QString shown = "<IMG SRC=\"" + folder() + "/bmp/obr/a.jpg\"";
    EXPECT_TRUE(detail("1").contains("<BR>" + shown + "></TD>"));
    EXPECT_TRUE(detail("1").contains(shown + " ALIGN=\"RIGHT\">"));
    EXPECT_EQ(detail("2").count("<BR><FONT COLOR=yellow>--Tento obr. není načten.--</FONT>"), 2);
}

TEST_F(Pages, RowsTimesAndTypeIcons)
{
    // Hours after midnight lose 24; short numbers get two digits.
    EXPECT_EQ(casnatext(8, 5) + casnatext(20, 0) + casnatext(24, 7) + casnatext(29, 30),
              "08:0520:0000:0705:30");
    const QString film = "<IMG SRC=\"" + folder() + "/bmp/film.gif\"><BR>";
    const std::pair<const char*, QString> cases[] = {
        {"F", film}, {"H", film}, {"A", "<BR>"}, {"f", "<BR>"}, {"", ""}};
    for (const auto& [type, icon] : cases)
        EXPECT_EQ(ikonatypu(context(), type), icon) << type;
}

// The pieces of a row in their order: time cell with its reminder link, type icon, info icon,
// the flag icons, the title linking to the detail, the short information.
TEST_F(Pages, RowsRowPiecesInTheirOrder)
{
    EXPECT_EQ(rows(), "");
    store.provedsql("INSERT INTO program (id, tv, datum, hod1, min1, nazev, info1, info2, typprg, "
                    "showview, stereo, titulky, dual, znak_rec, cb) VALUES (7, 'Nova', "
                    "'2027-03-05', 8, 5, 'Rock''n''roll <I>živě</I>', '/P/ koncert', 'dlouhé', "
                    "'L', '1234', 1, 1, 1, 1, 1)");
    const QString bmp = "<IMG SRC=\"" + folder() + "/bmp/";
    const QString pieces[] = {
        "<TR TITLE=\"ShowView: 1234\"><TD VALIGN=TOP WIDTH=35 CLASS=cas><A "
        "HREF=\"upozor.htm?zpet=true&vypis=true&id=7\" TARGET=\"_parent\" CLASS=cas",
        "ONCLICK=\"return false\">08:05</A>" + bmp + "zabava.gif\"><BR>" + bmp +
            "info.gif\" BORDER=0>" + bmp + "s.gif\">" + bmp + "t.gif\">" + bmp + "d.gif\">" + bmp +
            "z.gif\">" + bmp +
            "cb.gif\"></TD><TD VALIGN=TOP CLASS=infnaz><B><A "
            "HREF=\"vypisinf.htm?id=7\" TARGET=\"_parent\" CLASS=infnaz",
        "color: gold;",
        "ONCLICK=\"return false\">Rock'n'roll <I>živě</I></A></B><BR>/P/ koncert</TD></TR>"};
    const QString page = rows();
    qsizetype at = 0;
    for (const QString& piece : pieces) {
        const qsizetype found = page.indexOf(piece, at);
        EXPECT_GE(found, at) << piece.toStdString() << "\nin " << page.toStdString();
        at = found + piece.size();
    }
    EXPECT_EQ(at, page.size());
}

// Marked rows are gold on red; rows from eight pm on carry the jump anchor; the VPS codes
// of the two stations, with the next day after midnight, under the option.
TEST_F(Pages, RowsMarksJumpAnchorAndVpsCodes)
{
    showVps = true;
    addProgramme(1, "ČT1", day, 19, 59, 21, 0);
    addProgramme(2, "ČT1", day, 20, 0, 21, 0);
    addProgramme(3, "ČT2", day, 24, 15, 25, 0);
    addProgramme(4, "Nova", day, 21, 0, 22, 0);
    test::mark(store, 2);
    const QString page = rows();
    EXPECT_EQ(page.count("CLASS=caszvol"), 2); // the cell and its link
    EXPECT_EQ(page.count("CLASS=cas>"), 3);
    EXPECT_EQ(page.count(" NAME=\"hod20\">"), 3); // not at 19:59
    EXPECT_TRUE(page.contains("CLASS=caszvol STYLE=\"text-decoration: none;\" ONCLICK=\"return "
                              "false\" NAME=\"hod20\">20:00</A>"));
    EXPECT_TRUE(page.contains("NAME=\"hod20\">00:15</A>"));
    EXPECT_TRUE(page.contains("<DIV CLASS=vps>VPS:208120015</DIV>"));
    EXPECT_EQ(page.count("CLASS=vps"), 3);
    showVps = false;
    EXPECT_FALSE(rows().contains("VPS:"));
}

// A fetched illustration is shown, but not in print (the placeholder is checked with every page
// in test_pagetext).
TEST_F(Pages, RowsIllustrationShownButLeftOutInPrint)
{
    test::writeFile(folder() + "/bmp/obr/je.jpg", "jpg");
    test::insert(store, {.id = 1, .day = day, .hod1 = 18, .obr = "je.jpg"});
    EXPECT_TRUE(rows().contains("<BR><IMG SRC=\"" + folder() + "/bmp/obr/je.jpg\" WIDTH=137>"));
    EXPECT_FALSE(rows(true).contains("obr/"));

    // What goes to paper has colours, links and sizes neutralised.
    const QString page = "<BODY BGCOLOR=\"#000050\" TEXT=\"gold\"><STYLE>.a {color: red; "
                         "background-color: red; font-size: 10pt;} .b {font-size: 8pt;}</STYLE>"
                         "<A HREF=\"x\">odkaz</A><FONT COLOR=white>bílá</FONT><a href=y>malé</a>";
    EXPECT_EQ(forPaper(page),
              "<BODY TEMP=\"#000050\" TEMP=\"gold\"><STYLE>.a {temp: red; background-temp: red; "
              "font-size: 6pt;} .b {font-size: 6pt;}</STYLE><TEMP HREF=\"x\">odkaz</A><FONT "
              "COLOR=white>bílá</FONT><a href=y>malé</a>");
}

// The first band lists what runs at any moment of it, the others what starts in them; each
// programme once, in the station's column, by its start.
TEST_F(Pages, GridEachProgrammeInTheBandWhereItBelongs)
{
    const std::tuple<int, const char*, int, int> programmes[] = {
        {1, "ČT1", 1730, 1900},  {2, "ČT1", 1900, 2030}, {3, "ČT1", 2030, 2130},
        {4, "Nova", 2300, 2440}, {6, "ČT1", 2200, 2330}, {7, "ČT1", 2330, 2430},
        {8, "ČT1", 1905, 1945},  {9, "ČT1", 1910, 1946}, {10, "ČT1", 2000, 2100}};
    for (const auto& [id, tv, start, end] : programmes)
        addProgramme(id, tv, day, start / 100, start % 100, end / 100, end % 100);
    store.provedsql("UPDATE program SET typprg=iif(id=3, 'F', 'Z') WHERE id IN (3, 10)");
    addProgramme(5, "ČT1", day.addDays(1), 20, 0, 21, 0);
    // From, to, type, the time now, and the programmes of each band row.
    const std::tuple<const char*, const char*, const char*, QTime, const char*> cases[] = {
        {"Začátku", "Konce", "Vše", QTime(12, 0), "|1|2,8,9|10,3|6,7,4"},
        {"20:00", "Konce", "Vše", QTime(12, 0), "2|10,3|6,7,4"},
        {"Teď", "Konce", "Vše", QTime(19, 45), "2,9|10,3|6,7,4"},
        {" 0:00", "Konce", "Vše", QTime(12, 0), "7,4"},
        {"21:00", "8:00", "Vše", QTime(12, 0), "3"},
        {"Začátku", "Konce", "Filmy", QTime(12, 0), "|||3|"},
        {"Začátku", "Konce", "Sport", QTime(12, 0), "||||"},
    };
    for (const auto& [from, to, type, now, rows] : cases) {
        store::Clock::setFixed(QDateTime(day, now));
        EXPECT_EQ(bandRows(grid(from, to, type)), rows) << from << "-" << to << " " << type;
    }
}

// The print version has the day's heading; the header strip names the stations, the jump to
// eight in the first column only.
TEST_F(Pages, GridPrintHeadingAndHeaderStrip)
{
    EXPECT_FALSE(grid("Začátku", "Konce").contains("PROGRAM TV NA"));
    EXPECT_TRUE(grid("Začátku", "Konce", "Vše", true)
                    .contains("BORDER=1><THEAD><TR><TD ALIGN=CENTER COLSPAN=4><FONT SIZE=+1><B>"
                              "&nbsp;PROGRAM TV NA&nbsp;PONDĚLÍ&nbsp;7.12.2026</B></FONT>"));
    const QString header = generhlavicku({"ČT1", "", "Nova", "Prima"});
    EXPECT_EQ(header.count("<TD WIDTH=25% ALIGN=CENTER BGCOLOR="), 3);
    EXPECT_EQ(header.count("vypishod20.htm"), 1);
    EXPECT_TRUE(
        header.contains("<TD WIDTH=25% ALIGN=CENTER BGCOLOR=#151520><TABLE ALIGN=CENTER "
                        "WIDTH=100%><TR><TD ALIGN=LEFT WIDTH=33%><A HREF=\"vypishod20.htm\""));
}

// Found are programmes not yet ended, from today for a year, by a part of the title or the
// informations in any letter case, ordered by day, start and station.
TEST_F(Pages, SearchFindsByTextDayGroupTypeAndMark)
{
    store::Clock::setFixed(QDateTime(day, QTime(20, 30, 15)));
    // Id, day from today, station, start and end, title.
    const std::tuple<int, int, const char*, int, int, const char*> programmes[] = {
        {1, 0, "ČT1", 2000, 2100, "Běží"},          {2, 0, "ČT1", 1900, 2030, "Skončil"},
        {3, -1, "ČT1", 2300, 4500, "Noční"},        {4, 0, "ČT1", 2100, 2200, "Zprávy"},
        {5, 0, "ČT1", 2200, 2300, "Počasí"},        {6, 0, "ČT1", 2300, 2400, "Sport"},
        {7, 0, "Prima", 2130, 2200, "Rock'n'roll"}, {8, 2, "ČT1", 2100, 2200, "Film"},
        {9, 2, "Markíza", 2200, 2300, "Pořad"},     {10, 365, "ZDF", 800, 900, "Pořad"},
        {11, 366, "Prima", 800, 900, "Pořad"},      {13, 1, "ČT1", 2405, 2500, "Noc"}};
    for (const auto& [id, offset, tv, start, end, nazev] : programmes)
        addProgramme(id, tv, day.addDays(offset), start / 100, start % 100, end / 100, end % 100,
                     nazev);
    // Yesterday's night programme (3) is not searched though still running.
    store.provedsql("UPDATE program SET info2='Po ZPRÁVÁCH' WHERE id=5");
    store.provedsql("UPDATE program SET info1='zprávy ze sportu' WHERE id=6");
    store.provedsql("UPDATE program SET typprg='F' WHERE id=8");
    test::mark(store, 9);
    store.provedsql("INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, nazev) VALUES "
                    "(12, 'ČT1', '2027-02-30', 20, 0, 21, 0, 'Divný den')");
    const std::pair<SearchQuery, const char*> cases[] = {
        {{}, "1,4,7,5,6,13,8,9,12,10"},
        {{.text = "ZPRÁVY"}, "4,6"},
        {{.text = "ZPRÁVY", .titleOnly = true}, "4"},
        {{.text = "zpráv"}, "4,5,6"},
        {{.text = "k'n'r"}, "7"},
        {{.text = "'; DROP TABLE program; --"}, ""},
        {{.dayText = "Středa 9.12.2026"}, "8,9"},
        {{.dayText = "Pondělí 31.2.2026"}, ""},
        {{.groupName = "Zahraniční"}, "9,10"},
        {{.groupName = "Základní české"}, "1,4,5,6,13,8,12"},
        {{.typeName = "Filmy"}, "8"},
        {{.markedOnly = true}, "9"},
    };
    for (const auto& [query, ids] : cases) {
        const QString page = search(query);
        EXPECT_EQ(found(page), ids) << query.text.toStdString() << query.groupName.toStdString();
        EXPECT_EQ(
            page.contains("<TABLE WIDTH=80% ALIGN=CENTER><TR><TD HEIGHT=50 ALIGN=CENTER>"
                          "<FONT COLOR=\"red\">Pořad nebyl nalezen.</FONT></TD></TR></TABLE>"),
            !*ids);
    }
    EXPECT_EQ(one("SELECT count(*) AS v FROM program"), "13");
    store::Clock::advance(-15); // 20:30:00: what ends at 20:30 has not ended yet
    EXPECT_EQ(found(search({.text = "Skončil"})), "2");

    // A row names the station and the day (a stored day that is no date as a blank), with no
    // jump anchor.
    const QString station = "<B>ČT1</B></FONT></TD><TD VALIGN=TOP WIDTH=150 CLASS=datum>";
    const QString page = search({.text = "noc"});
    EXPECT_TRUE(page.contains(station + "8.12.2026 úterý</TD>") && !page.contains("hod20"));
    EXPECT_TRUE(search({.text = "divný"}).contains(station + " </TD>"));
}

// Twenty-five to a page; the next page link only when there is more, the previous one back.
TEST_F(Pages, SearchPagesOfTwentyFive)
{
    store::Clock::setFixed(QDateTime(day, QTime(20, 30, 15)));
    QStringList all;
    for (int i = 0; i < 26; ++i) {
        addProgramme(100 + i, "ČT1", day.addDays(1 + i / 20), 6 + i % 20, 0, 7 + i % 20, 0,
                     QString("Zprávy %1").arg(i));
        all << QString::number(100 + i);
    }
    const QString first = search({.text = "zprávy"});
    const QString second = search({.text = "zprávy", .firstRow = 26});
    EXPECT_EQ(found(first), all.mid(0, 25).join(','));
    EXPECT_TRUE(
        first.contains("<TR><TD HEIGHT=25></TD></TR><TR><TD COLSPAN=2></TD><TD COLSPAN=2>"
                       "<A HREF=\"hledej.htm?od=26\" ONCLICK=\"return false\" "
                       "STYLE=\"color: #10D010;font-weight: bold;\">DALŠÍ POŘADY</A></TD></TR>"));
    EXPECT_FALSE(first.contains("PŘEDCHOZÍ POŘADY"));
    EXPECT_EQ(found(second), "125");
    EXPECT_TRUE(second.contains("<TR><TD COLSPAN=2><TD COLSPAN=2><A HREF=\"hledej.htm?od=1\""));
    EXPECT_FALSE(second.contains("DALŠÍ POŘADY"));
    store.provedsql("DELETE FROM program WHERE id=125");
    EXPECT_FALSE(search({.text = "zprávy"}).contains("DALŠÍ POŘADY"));
}
