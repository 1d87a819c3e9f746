#include "pages/generhtml.h"
#include "store/clock.h"
#include "support/listings.h"
#include "support/teststore.h"

#include <QDir>
#include <QFile>

using namespace obzorka;
using namespace obzorka::pages;
using test::Entry;

class EntryRows : public test::StoreTest
{
protected:
    PageContext context() { return {store, folder() + "/bmp", showVps}; }
    QString rows(bool noImages = false)
    {
        return radkyporadu(context(),
                           "SELECT program.*, IIf(upozornit.id<>0,upozornit.id,0) AS upozornitid "
                           "FROM program LEFT JOIN upozornit ON program.id=upozornit.id ORDER BY "
                           "hod1, min1",
                           {}, noImages);
    }
    bool showVps = true;
    const QDate day{2027, 3, 5};
};

TEST(Times, HoursAfterMidnightAndShortNumbersGetTwoDigits)
{
    EXPECT_EQ(casnatext(8, 5), "08:05");
    EXPECT_EQ(casnatext(20, 0), "20:00");
    EXPECT_EQ(casnatext(24, 7), "00:07");
    EXPECT_EQ(casnatext(29, 30), "05:30");
}

TEST_F(EntryRows, TypeIconsKnownUnknownAndNone)
{
    EXPECT_EQ(ikonatypu(context(), "F"), "<IMG SRC=\"" + folder() + "/bmp/film.gif\"><BR>");
    EXPECT_EQ(ikonatypu(context(), "H"), ikonatypu(context(), "F"));
    EXPECT_EQ(ikonatypu(context(), "Q"), "<IMG SRC=\"" + folder() + "/bmp/detem.gif\"><BR>");
    EXPECT_EQ(ikonatypu(context(), "A"), "<BR>");
    EXPECT_EQ(ikonatypu(context(), "f"), "<BR>");
    EXPECT_EQ(ikonatypu(context(), ""), "");
}

TEST_F(EntryRows, MarkedRowsAndOnlyThoseAreGoldOnRed)
{
    test::insert(store, {.id = 1, .day = day, .hod1 = 18});
    test::insert(store, {.id = 2, .day = day, .hod1 = 19});
    test::insert(store, {.id = 3, .day = day, .hod1 = 21});
    test::mark(store, 2);
    const QString page = rows();
    EXPECT_EQ(page.count("CLASS=caszvol><A HREF=\"upozor.htm?zpet=true&vypis=true&id=2\""), 1);
    EXPECT_EQ(page.count("CLASS=caszvol"), 2); // the cell and its link
    EXPECT_EQ(page.count("CLASS=cas>"), 2);
}

TEST_F(EntryRows, EveryRowFromEightPmCarriesTheJumpAnchor)
{
    test::insert(store, {.id = 1, .day = day, .hod1 = 19, .min1 = 59});
    test::insert(store, {.id = 2, .day = day, .hod1 = 20, .min1 = 0});
    test::insert(store, {.id = 3, .day = day, .hod1 = 24, .min1 = 30});
    const QString page = rows();
    EXPECT_FALSE(
        page.contains("id=1\" TARGET=\"_parent\" CLASS=cas STYLE=\"text-decoration: none;\" "
                      "ONCLICK=\"return false\" NAME"));
    EXPECT_TRUE(
        page.contains("id=2\" TARGET=\"_parent\" CLASS=cas STYLE=\"text-decoration: none;\" "
                      "ONCLICK=\"return false\" NAME=\"hod20\">20:00</A>"));
    EXPECT_TRUE(page.contains("NAME=\"hod20\">00:30</A>"));
}

TEST_F(EntryRows, VpsCodesForTheTwoStationsAndTheNextDayRule)
{
    test::insert(store, {.id = 1, .tv = "ČT1", .day = day, .hod1 = 20, .min1 = 0});
    test::insert(store, {.id = 2, .tv = "ČT2", .day = day, .hod1 = 24, .min1 = 15});
    test::insert(store, {.id = 3, .tv = "Nova", .day = day, .hod1 = 21});
    const QString page = rows();
    EXPECT_TRUE(page.contains("<DIV CLASS=vps>VPS:105032000</DIV>"));
    EXPECT_TRUE(page.contains("<DIV CLASS=vps>VPS:206030015</DIV>"));
    EXPECT_EQ(page.count("CLASS=vps"), 2);
    showVps = false;
    EXPECT_FALSE(rows().contains("VPS:"));
}

TEST_F(EntryRows, IllustrationShownPlaceholderOrLeftOutInPrint)
{
    QDir().mkpath(folder() + "/bmp/obr");
    QFile picture(folder() + "/bmp/obr/je.jpg");
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write("jpg");
    picture.close();
    test::insert(store, {.id = 1, .day = day, .hod1 = 18, .obr = "je.jpg"});
    test::insert(store, {.id = 2, .day = day, .hod1 = 19, .obr = "neni.jpg"});
    const QString screen = rows();
    EXPECT_TRUE(screen.contains("<BR><IMG SRC=\"" + folder() + "/bmp/obr/je.jpg\" WIDTH=137>"));
    EXPECT_EQ(screen.count("<BR><FONT COLOR=yellow>--Tento obr. není načten.--</FONT>"), 1);
    const QString print = rows(true);
    EXPECT_FALSE(print.contains("obr/"));
    EXPECT_FALSE(print.contains("není načten"));
}

TEST_F(EntryRows, RowPiecesInTheirOrder)
{
    test::insert(store, {.id = 7,
                         .tv = "Nova",
                         .day = day,
                         .hod1 = 8,
                         .min1 = 5,
                         .nazev = "Rock'n'roll <I>živě</I>",
                         .info1 = "/P/ koncert",
                         .info2 = "dlouhé",
                         .typprg = "L",
                         .showview = "1234",
                         .stereo = true,
                         .cb = true});
    const QString bmp = folder() + "/bmp";
    EXPECT_EQ(rows(),
              "<TR TITLE=\"ShowView: 1234\"><TD VALIGN=TOP WIDTH=35 CLASS=cas><A "
              "HREF=\"upozor.htm?zpet=true&vypis=true&id=7\" TARGET=\"_parent\" CLASS=cas "
              "STYLE=\"text-decoration: none;\" ONCLICK=\"return false\">08:05</A><IMG SRC=\"" +
                  bmp + "/zabava.gif\"><BR><IMG SRC=\"" + bmp + "/info.gif\" BORDER=0><IMG SRC=\"" +
                  bmp + "/s.gif\"><IMG SRC=\"" + bmp +
                  "/cb.gif\"></TD><TD VALIGN=TOP CLASS=infnaz><B><A HREF=\"vypisinf.htm?id=7\" "
                  "TARGET=\"_parent\" CLASS=infnaz STYLE=\"text-decoration:none; color: gold; "
                  "font-size: 10pt; font-family: \"Helvetica CE\",Arial;\" ONCLICK=\"return "
                  "false\">Rock'n'roll <I>živě</I></A></B><BR>/P/ koncert</TD></TR>");
}

TEST_F(EntryRows, FlagIconsInTheirOrder)
{
    test::insert(store, {.id = 1,
                         .day = day,
                         .stereo = true,
                         .titulky = true,
                         .dual = true,
                         .znakRec = true,
                         .cb = true});
    const QString bmp = folder() + "/bmp/";
    EXPECT_TRUE(rows().contains("</A><IMG SRC=\"" + bmp + "s.gif\"><IMG SRC=\"" + bmp +
                                "t.gif\"><IMG SRC=\"" + bmp + "d.gif\"><IMG SRC=\"" + bmp +
                                "z.gif\"><IMG SRC=\"" + bmp + "cb.gif\"></TD>"));
}

TEST_F(EntryRows, EmptyResultIsEmptyText)
{
    EXPECT_EQ(rows(), "");
}

TEST(Print, ColoursLinksAndSizesAreNeutralised)
{
    const QString page = "<BODY BGCOLOR=\"#000050\" TEXT=\"gold\"><STYLE>.a {color: red; "
                         "background-color: red; font-size: 10pt;} .b {font-size: 8pt;}</STYLE>"
                         "<A HREF=\"x\">odkaz</A><FONT COLOR=white>bílá</FONT><a href=y>malé</a>";
    EXPECT_EQ(forPaper(page),
              "<BODY TEMP=\"#000050\" TEMP=\"gold\"><STYLE>.a {temp: red; background-temp: red; "
              "font-size: 6pt;} .b {font-size: 6pt;}</STYLE><TEMP HREF=\"x\">odkaz</A><FONT "
              "COLOR=white>bílá</FONT><a href=y>malé</a>");
}
