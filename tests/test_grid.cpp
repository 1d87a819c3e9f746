#include "pages/generhtml.h"
#include "store/clock.h"
#include "support/listings.h"
#include "support/teststore.h"

using namespace obzorka;
using namespace obzorka::pages;

TEST(Bands, ClippedToTheWindowAsTheExamplesShow)
{
    const QTime quarterToEight(19, 45);
    EXPECT_EQ(clipBands("Teď", "Konce", quarterToEight),
              (std::vector<Band>{{19, 45, 20, 0}, {20, 0, 22, 0}, {22, 0, 48, 59}}));
    EXPECT_EQ(clipBands("8:00", "12:00", quarterToEight),
              (std::vector<Band>{{8, 0, 12, 0}, {12, 0, 12, 59}}));
    EXPECT_EQ(clipBands("Začátku", "Konce", quarterToEight),
              (std::vector<Band>{
                  {0, 0, 12, 0}, {12, 0, 18, 0}, {18, 0, 20, 0}, {20, 0, 22, 0}, {22, 0, 48, 59}}));
    EXPECT_EQ(clipBands(" 0:00", "Konce", quarterToEight), (std::vector<Band>{{24, 0, 48, 59}}));
    EXPECT_EQ(clipBands("Teď", "Teď", quarterToEight), (std::vector<Band>{{19, 45, 19, 45}}));
}

TEST(Bands, ToBeforeFromKeepsOnlyTheFirstBandWithItsOwnEnd)
{
    EXPECT_EQ(clipBands("21:00", "8:00", QTime(12, 0)), (std::vector<Band>{{21, 0, 22, 0}}));
    EXPECT_EQ(clipBands("Konce", "Konce", QTime(12, 0)), (std::vector<Band>{{48, 0, 48, 59}}));
}

TEST(Bands, WindowTexts)
{
    const QTime now(13, 27);
    EXPECT_EQ(fromTime("Teď", now).hour, 13);
    EXPECT_EQ(fromTime("Teď", now).minute, 27);
    EXPECT_EQ(toTime("Teď", now).minute, 27);
    EXPECT_EQ(toTime("23:00", now).minute, 59);
    EXPECT_EQ(fromTime(" 3:00", now).hour, 27);
    EXPECT_EQ(toTime(" 8:00", now).hour, 32);
    EXPECT_EQ(fromTime("Začátek", now).hour, 0);
    EXPECT_EQ(fromTime("nesmysl", now).hour, 0);
    EXPECT_EQ(toTime("Konce", now).hour, 48);
}

class Grid : public test::StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        store::Clock::setFixed(QDateTime(day, QTime(12, 0)));
    }
    QString grid(const QString& from, const QString& to, const QString& type = "Vše",
                 bool print = false)
    {
        return genertabulku({store, folder() + "/bmp", false}, day, type, from, to,
                            {"ČT1", "", "Nova", ""}, print);
    }
    const QDate day{2026, 12, 7};
};

TEST_F(Grid, EachProgrammeOnceInItsStartBandAndTheRunningOneFirst)
{
    test::insert(store, {.id = 1, .tv = "ČT1", .day = day, .hod1 = 17, .min1 = 30, .hod2 = 19});
    test::insert(store, {.id = 2, .tv = "ČT1", .day = day, .hod1 = 19, .hod2 = 20, .min2 = 30});
    test::insert(store, {.id = 3, .tv = "ČT1", .day = day, .hod1 = 20, .min1 = 30, .hod2 = 22});
    test::insert(store, {.id = 4, .tv = "Nova", .day = day, .hod1 = 23, .hod2 = 24, .min2 = 40});
    test::insert(store, {.id = 5, .tv = "ČT1", .day = day.addDays(1), .hod1 = 20});
    const QString page = grid("20:00", "Konce");
    EXPECT_FALSE(page.contains("id=1\""));
    EXPECT_EQ(page.count("vypisinf.htm?id=2\""), 1); // running at 20:00
    EXPECT_EQ(page.count("vypisinf.htm?id=3\""), 1);
    EXPECT_EQ(page.count("vypisinf.htm?id=4\""), 1);
    EXPECT_FALSE(page.contains("id=5\""));
    EXPECT_LT(page.indexOf("id=2\""), page.indexOf("id=3\""));
}

TEST_F(Grid, FromMidnightShowsTheProgrammeRunningAcrossIt)
{
    test::insert(
        store, {.id = 1, .tv = "ČT1", .day = day, .hod1 = 23, .min1 = 30, .hod2 = 24, .min2 = 30});
    test::insert(store, {.id = 2, .tv = "ČT1", .day = day, .hod1 = 22, .hod2 = 23, .min2 = 30});
    const QString page = grid(" 0:00", "Konce");
    EXPECT_TRUE(page.contains("vypisinf.htm?id=1\""));
    EXPECT_FALSE(page.contains("vypisinf.htm?id=2\""));
}

TEST_F(Grid, ToBeforeFromShowsWhatRunsAtTheStart)
{
    test::insert(
        store, {.id = 1, .tv = "ČT1", .day = day, .hod1 = 20, .min1 = 30, .hod2 = 21, .min2 = 30});
    // The band of 21:00 is 20-22: its row lists what runs at 21:00 and starts before 22:00.
    test::insert(store, {.id = 2, .tv = "ČT1", .day = day, .hod1 = 22, .hod2 = 23});
    const QString page = grid("21:00", "8:00");
    EXPECT_TRUE(page.contains("id=1\""));
    EXPECT_FALSE(page.contains("id=2\""));
    EXPECT_EQ(page.count("VALIGN=TOP><TABLE WIDTH=100%>"), 2); // one band row, two stations
}

TEST_F(Grid, TypeFilterThatMatchesNothingLeavesEmptyInnerTables)
{
    test::insert(store, {.id = 1, .tv = "ČT1", .day = day, .hod1 = 20, .typprg = "F"});
    test::insert(store, {.id = 2, .tv = "ČT1", .day = day, .hod1 = 21, .typprg = "Z"});
    EXPECT_TRUE(grid("Začátku", "Konce", "Filmy").contains("id=1\""));
    EXPECT_FALSE(grid("Začátku", "Konce", "Filmy").contains("id=2\""));
    const QString page = grid("Začátku", "Konce", "Sport");
    EXPECT_FALSE(page.contains("vypisinf"));
    EXPECT_EQ(page.count("<TABLE WIDTH=100%></TABLE>"), 8); // bands 2-5 of two stations
}

TEST_F(Grid, EmptyColumnsKeepTheirWidthWithoutColourOrRows)
{
    const QString page = grid("Začátku", "Konce");
    // Thin row, then five band rows: in each, columns 2 and 4 are bare cells.
    EXPECT_EQ(page.count("          <TD WIDTH=25%>"), 12);
    EXPECT_FALSE(page.contains("#151528"));
    EXPECT_FALSE(page.contains("#202050"));
    EXPECT_TRUE(page.contains("          <TD BGCOLOR=#202040 WIDTH=25%>")); // thin row, column 3
    // Bands alternate A, B, A, B, A; further bands open with 32 blanks before WIDTH.
    EXPECT_TRUE(page.contains("      <TD BGCOLOR=#151520 WIDTH=25% VALIGN=TOP><TABLE WIDTH=100%>"));
    EXPECT_EQ(page.count("<TD BGCOLOR=#202020" + QString(32, ' ') + "WIDTH=25% VALIGN=TOP>"), 2);
    EXPECT_EQ(page.count("<TD BGCOLOR=#151520" + QString(32, ' ') + "WIDTH=25% VALIGN=TOP>"), 2);
}

TEST_F(Grid, PrintVersionHasBorderHeadingAndNamesScreenHasNeither)
{
    const QString print = grid("Začátku", "Konce", "Vše", true);
    EXPECT_TRUE(print.contains("<TABLE ALIGN=CENTER WIDTH=100% CELLSPACING=0 BORDER=1><THEAD>"
                               "<TR><TD ALIGN=CENTER COLSPAN=4><FONT SIZE=+1><B>&nbsp;PROGRAM TV "
                               "NA&nbsp;PONDĚLÍ&nbsp;7.12.2026</B></FONT></TD></TR>"));
    EXPECT_TRUE(print.contains("<TD WIDTH=25% ALIGN=CENTER>          <FONT SIZE=+2><B>Nova</B>"));
    const QString screen = grid("Začátku", "Konce");
    EXPECT_TRUE(screen.contains("<TABLE ALIGN=CENTER WIDTH=100% CELLSPACING=0><THEAD><TBODY>"));
    EXPECT_FALSE(screen.contains("PROGRAM TV NA"));
    EXPECT_TRUE(screen.endsWith("</TD></TR></TABLE></BODY></HTML>"));
}

TEST(Header, StationNamesWithTheJumpToEightInTheFirstColumn)
{
    const QString page = generhlavicku({"ČT1", "", "Nova", "Prima"});
    EXPECT_EQ(page.count("<TD WIDTH=25% ALIGN=CENTER BGCOLOR="), 3);
    EXPECT_TRUE(
        page.contains("<TD WIDTH=25% ALIGN=CENTER BGCOLOR=#151520><TABLE ALIGN=CENTER "
                      "WIDTH=100%><TR><TD ALIGN=LEFT WIDTH=33%><A HREF=\"vypishod20.htm\""));
    EXPECT_EQ(page.count("vypishod20.htm"), 1);
    EXPECT_TRUE(page.contains("          <TD WIDTH=25% ALIGN=CENTER></TD>"));
    EXPECT_TRUE(page.contains("BGCOLOR=#151534>          <FONT COLOR=white SIZE=+2><B>Prima</B>"));
}

TEST(Header, WholePageForOneStation)
{
    EXPECT_EQ(generhlavicku({"ČT1", "", "", ""}).toStdString(),
              "<HTML><HEAD><TITLE>Televizní program</TITLE><META HTTP-EQUIV=\"content-type\" "
              "CONTENT=\"text/html;charset=windows-1250\"></HEAD><BODY BGCOLOR=\"#000050\" "
              "TEXT=\"gold\" LEFTMARGIN=0 RIGHTMARGIN=0 TOPMARGIN=0 BOTTOMMARGIN=0>  <TABLE "
              "ALIGN=CENTER WIDTH=100% CELLSPACING=0 CELLPADDING=0>  <TR>          <TD WIDTH=25% "
              "ALIGN=CENTER BGCOLOR=#151520><TABLE ALIGN=CENTER WIDTH=100%><TR><TD ALIGN=LEFT "
              "WIDTH=33%><A HREF=\"vypishod20.htm\" STYLE=\"text-decoration: none; color: #00FF00; "
              "font-weight: bold; font-size: 10\" ONCLICK=\"return false;\">20</A><TD ALIGN=CENTER "
              "WIDTH=34%>          <FONT COLOR=white SIZE=+2><B>ČT1</B></FONT></TD></TD><TD "
              "WIDTH=33%></TR></TABLE>          <TD WIDTH=25% ALIGN=CENTER></TD>          <TD "
              "WIDTH=25% ALIGN=CENTER></TD>          <TD WIDTH=25% ALIGN=CENTER></TD>  </TR>  "
              "</TABLE></BODY></HTML>");
}

TEST_F(Grid, BandEdgesListEachProgrammeWhereItBelongs)
{
    store::Clock::setFixed(QDateTime(day, QTime(19, 45)));
    test::insert(store, {.id = 1, .tv = "ČT1", .day = day, .hod1 = 19, .hod2 = 19, .min2 = 45});
    test::insert(store, {.id = 2, .tv = "ČT1", .day = day, .hod1 = 19, .hod2 = 19, .min2 = 46});
    test::insert(store, {.id = 3, .tv = "ČT1", .day = day, .hod1 = 20, .hod2 = 21});
    const QString page = grid("Teď", "Konce");
    EXPECT_FALSE(page.contains("vypisinf.htm?id=1\"")); // ended as the window starts
    EXPECT_EQ(page.count("vypisinf.htm?id=2\""), 1);
    EXPECT_EQ(page.count("vypisinf.htm?id=3\""), 1); // starts at the end of the first band
    // 20:00 opens the second band: the first band row holds only programme 2.
    const qsizetype secondBand = page.indexOf(QString(32, ' ') + "WIDTH=25% VALIGN=TOP>");
    EXPECT_LT(page.indexOf("id=2\""), secondBand);
    EXPECT_GT(page.indexOf("vypisinf.htm?id=3\""), secondBand);
}
