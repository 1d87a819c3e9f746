#include "pages/generhtml.h"
#include "store/clock.h"
#include "support/listings.h"
#include "support/teststore.h"

using namespace obzorka;
using namespace obzorka::pages;

class Search : public test::StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        store::Clock::setFixed(QDateTime(today, QTime(20, 30, 15)));
        test::addStation(store, "ČT1", 1, 1);
        test::addStation(store, "Prima", 2, 5);
        test::addStation(store, "Markíza", 3, 1001);
        test::addStation(store, "ZDF", 4, 3001);
    }
    QString search(SearchQuery query)
    {
        return generhledani({store, folder() + "/bmp", false}, query);
    }
    QString search(const QString& text) { return search(SearchQuery{.text = text}); }
    // The ids of the found programmes in page order.
    static QStringList found(const QString& page)
    {
        QStringList ids;
        qsizetype at = 0;
        const QString key = "vypisinf.htm?hledej=true&id=";
        while ((at = page.indexOf(key, at)) >= 0) {
            at += key.size();
            ids << page.mid(at, page.indexOf('"', at) - at);
        }
        return ids;
    }
    void addMany(int count)
    {
        for (int i = 0; i < count; ++i)
            test::insert(store, {.id = 100 + i,
                                 .day = today.addDays(1 + i / 20),
                                 .hod1 = 6 + i % 20,
                                 .hod2 = 7 + i % 20,
                                 .nazev = QString("Zprávy %1").arg(i)});
    }
    const QDate today{2026, 12, 7};
};

TEST_F(Search, TwentyFiveMatchesMakeOnePageWithoutNext)
{
    addMany(25);
    const QString page = search("zprávy");
    EXPECT_EQ(found(page).size(), 25);
    EXPECT_FALSE(page.contains("DALŠÍ POŘADY"));
    EXPECT_FALSE(page.contains("PŘEDCHOZÍ POŘADY"));
}

TEST_F(Search, TwentySixMatchesPageOnwardsAndBack)
{
    addMany(26);
    const QString first = search("zprávy");
    EXPECT_EQ(found(first).size(), 25);
    EXPECT_TRUE(
        first.contains("<TR><TD HEIGHT=25></TD></TR><TR><TD COLSPAN=2></TD><TD COLSPAN=2>"
                       "<A HREF=\"hledej.htm?od=26\" ONCLICK=\"return false\" "
                       "STYLE=\"color: #10D010;font-weight: bold;\">DALŠÍ POŘADY</A></TD></TR>"));
    const QString second = search(SearchQuery{.text = "zprávy", .firstRow = 26});
    EXPECT_EQ(found(second), QStringList{"125"});
    EXPECT_TRUE(second.contains("<TR><TD COLSPAN=2><TD COLSPAN=2><A HREF=\"hledej.htm?od=1\""));
    EXPECT_FALSE(second.contains("DALŠÍ POŘADY"));
    // Pages step through the same order as one long list would.
    QStringList all = found(first) + found(second);
    QStringList expected;
    for (int i = 0; i < 26; ++i)
        expected << QString::number(100 + i);
    EXPECT_EQ(all, expected);
}

TEST_F(Search, RunningProgrammesAreFoundEndedOnesAreNot)
{
    test::insert(store, {.id = 1, .day = today, .hod1 = 20, .hod2 = 21, .nazev = "Běží"});
    test::insert(store,
                 {.id = 2, .day = today, .hod1 = 19, .hod2 = 20, .min2 = 30, .nazev = "Skončil"});
    // Yesterday's broadcast day is not searched, even where it runs past midnight.
    test::insert(store,
                 {.id = 3, .day = today.addDays(-1), .hod1 = 23, .hod2 = 45, .nazev = "Noční"});
    EXPECT_EQ(found(search("")), QStringList{"1"});
    store::Clock::advance(-15); // 20:30:00: what ends at 20:30 has not ended yet
    EXPECT_EQ(found(search("Skončil")), QStringList{"2"});
}

TEST_F(Search, LetterCaseDoesNotMatterAndInfoTextsCountUnlessTitleOnly)
{
    test::insert(store, {.id = 1, .day = today, .hod1 = 21, .nazev = "Zprávy"});
    test::insert(store,
                 {.id = 2, .day = today, .hod1 = 22, .nazev = "Počasí", .info2 = "Po ZPRÁVÁCH"});
    test::insert(
        store, {.id = 3, .day = today, .hod1 = 23, .nazev = "Sport", .info1 = "zprávy ze sportu"});
    EXPECT_EQ(found(search("ZPRÁVY")), (QStringList{"1", "3"}));
    EXPECT_EQ(found(search(SearchQuery{.text = "ZPRÁVY", .titleOnly = true})), QStringList{"1"});
    EXPECT_EQ(found(search("zpráv")), (QStringList{"1", "2", "3"}));
}

TEST_F(Search, ApostropheInTheTextFindsTheTitle)
{
    test::insert(store, {.id = 1, .day = today, .hod1 = 21, .nazev = "Rock'n'roll"});
    EXPECT_EQ(found(search("k'n'r")), QStringList{"1"});
    EXPECT_EQ(found(search("'; DROP TABLE program; --")), QStringList{});
    EXPECT_EQ(store.provedsql("SELECT * FROM program").size(), 1u);
}

TEST_F(Search, DayRangeGroupsTypesAndMarks)
{
    test::insert(store, {.id = 1, .tv = "ČT1", .day = today.addDays(2), .hod1 = 21, .typprg = "F"});
    test::insert(store, {.id = 2, .tv = "Markíza", .day = today.addDays(2), .hod1 = 22});
    test::insert(store, {.id = 3, .tv = "ZDF", .day = today.addDays(365), .hod1 = 8});
    test::insert(store, {.id = 4, .tv = "Prima", .day = today.addDays(366), .hod1 = 8});
    test::mark(store, 2);
    EXPECT_EQ(found(search("")), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(found(search(SearchQuery{.dayText = "Středa 9.12.2026"})), (QStringList{"1", "2"}));
    EXPECT_EQ(found(search(SearchQuery{.groupName = "Zahraniční"})), (QStringList{"2", "3"}));
    EXPECT_EQ(found(search(SearchQuery{.groupName = "Slovenské"})), QStringList{"2"});
    EXPECT_EQ(found(search(SearchQuery{.groupName = "Základní české"})), QStringList{"1"});
    EXPECT_EQ(found(search(SearchQuery{.typeName = "Filmy"})), QStringList{"1"});
    EXPECT_EQ(found(search(SearchQuery{.markedOnly = true})), QStringList{"2"});
    EXPECT_TRUE(search(SearchQuery{.markedOnly = true}).contains("CLASS=caszvol><A HREF"));
}

TEST_F(Search, AStoredDayThatIsNoDateDoesNotBreakThePage)
{
    store.provedsql("INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, nazev) VALUES "
                    "(1, 'ČT1', '2027-02-30', 20, 0, 21, 0, 'Divný den')");
    EXPECT_TRUE(search("divný").contains(
        "<B>ČT1</B></FONT></TD><TD VALIGN=TOP WIDTH=150 CLASS=datum> </TD>"));
}

TEST_F(Search, NothingFoundShowsTheRedRow)
{
    const QString page = search("nic takového");
    EXPECT_TRUE(page.contains("<TABLE WIDTH=80% ALIGN=CENTER><TR><TD HEIGHT=50 ALIGN=CENTER><FONT "
                              "COLOR=\"red\">Pořad nebyl nalezen.</FONT></TD></TR></TABLE>"));
    EXPECT_TRUE(
        search(SearchQuery{.dayText = "Pondělí 31.2.2026"}).contains("Pořad nebyl nalezen."));
}

TEST_F(Search, RowShowsStationDayAndDetailLinkFromSearch)
{
    test::insert(store, {.id = 9,
                         .tv = "ČT1",
                         .day = today.addDays(1),
                         .hod1 = 24,
                         .min1 = 5,
                         .nazev = "Noc",
                         .info1 = "krátce"});
    const QString page = search("noc");
    EXPECT_TRUE(page.contains("<TR><TD VALIGN=TOP><FONT COLOR=white><B>ČT1</B></FONT></TD><TD "
                              "VALIGN=TOP WIDTH=150 CLASS=datum>8.12.2026 úterý</TD><TD VALIGN=TOP "
                              "WIDTH=35 CLASS=cas><A HREF=\"upozor.htm?zpet=true&vypis=true&id=9\" "
                              "TARGET=\"_parent\" CLASS=cas STYLE=\"text-decoration: none\" "
                              "ONCLICK=\"return false\">00:05</A></TD>"));
    EXPECT_TRUE(page.contains("<A HREF=\"vypisinf.htm?hledej=true&id=9\" TARGET=\"_parent\" "
                              "CLASS=infnaz STYLE=\"text-decoration:none;\" ONCLICK=\"return "
                              "false\">Noc</A></B><BR>krátce</TD></TR>"));
    EXPECT_FALSE(page.contains("hod20"));
    EXPECT_TRUE(page.contains(".datum  {color: #10D010;"));
}
