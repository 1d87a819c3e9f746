#include "pages/generhtml.h"
#include "store/clock.h"
#include "support/listings.h"
#include "support/teststore.h"

#include <QDir>
#include <QFile>

using namespace obzorka;
using namespace obzorka::pages;

class Detail : public test::StoreTest
{
protected:
    QString detail(const QString& id, const QString& fromSearch = "")
    {
        return genervypisinf({store, folder() + "/bmp", showVps}, id, fromSearch);
    }
    void at(int hour, int minute, int second = 0)
    {
        store::Clock::setFixed(QDateTime(day, QTime(hour, minute, second)));
    }
    const QDate day{2027, 3, 5};
    bool showVps = false;
};

TEST_F(Detail, StateFollowsTheMinuteBoundaries)
{
    test::insert(store, {.id = 5, .day = day, .hod1 = 20, .hod2 = 21});
    at(19, 59, 59);
    EXPECT_TRUE(detail("5").contains(">NASTAVIT UPOZORNĚNÍ</A><BR>"));
    at(20, 0, 59); // still its first minute
    EXPECT_TRUE(detail("5").contains("<A HREF=\"upozor.htm?id=5\" STYLE=\"color: #10D010;"
                                     "font-weight: bold;\" ONCLICK=\"return false\">NASTAVIT"));
    at(20, 1);
    EXPECT_TRUE(detail("5").contains("<FONT COLOR=#10D010>POŘAD JIŽ ZAČAL.</FONT>"));
    EXPECT_FALSE(detail("5").contains("UPOZORNĚNÍ"));
    at(21, 0, 59);
    EXPECT_TRUE(detail("5").contains("POŘAD JIŽ ZAČAL."));
    at(21, 1);
    EXPECT_TRUE(detail("5").contains("<FONT COLOR=#10D010>POŘAD JIŽ SKONČIL.</FONT>"));
}

TEST_F(Detail, MarkedProgrammeOffersToCancel)
{
    at(12, 0);
    test::insert(store, {.id = 5, .day = day, .hod1 = 24, .min1 = 10, .hod2 = 25});
    test::mark(store, 5);
    EXPECT_TRUE(detail(" 5 ").contains(">ZRUŠIT UPOZORNĚNÍ</A>"));
    EXPECT_TRUE(detail(" 5 ").contains("<A HREF=\"upozor.htm?id=5\""));
    store.provedsql("DELETE FROM upozornit");
    EXPECT_TRUE(detail("5").contains(">NASTAVIT UPOZORNĚNÍ</A>"));
    EXPECT_TRUE(detail("5").contains("<FONT COLOR=gold>00:10-01:00</FONT>"));
}

TEST_F(Detail, BackLinkLeadsWhereTheUserCameFrom)
{
    at(12, 0);
    test::insert(store, {.id = 5, .day = day});
    EXPECT_TRUE(
        detail("5", "true").contains("<A HREF=\"zpet.htm?hledej=true\" STYLE=\"color: red;\""));
    EXPECT_TRUE(detail("5", "TRUE").contains("<A HREF=\"zpet.htm\" STYLE=\"color: red;\""));
    EXPECT_TRUE(detail("5").contains("<A HREF=\"zpet.htm\" STYLE=\"color: red;\""));
}

TEST_F(Detail, LinesAppearOnlyForWhatTheProgrammeHas)
{
    at(12, 0);
    test::insert(store, {.id = 1, .day = day, .typprg = "A"});
    test::insert(store, {.id = 2, .day = day, .info2 = "  Děj.  ", .typprg = "O"});
    const QString bare = detail("1");
    EXPECT_FALSE(bare.contains("Doplňující informace:"));
    EXPECT_FALSE(bare.contains("Typ pořadu:"));
    EXPECT_FALSE(bare.contains("Rozšířená informace:"));
    const QString extended = detail("2");
    const QString bmp = folder() + "/bmp";
    EXPECT_TRUE(extended.contains("<B>Typ pořadu:</B> <IMG SRC=\"" + bmp + "/sport.gif\"><BR>"));
    EXPECT_TRUE(extended.contains("<B>Doplňující informace:</B> <IMG SRC=\"" + bmp +
                                  "/info.gif\" BORDER=0> <BR>"));
    EXPECT_TRUE(extended.contains("<BR><B>Rozšířená informace:</B> <FONT COLOR=\"#D0D0FF\">Děj."
                                  "</FONT><BR>"));
    // Blanks alone are no information.
    test::insert(store, {.id = 3, .day = day, .info1 = "   ", .info2 = "  "});
    EXPECT_FALSE(detail("3").contains("informace:"));
}

TEST_F(Detail, PicturesOrTheirTwoPlaceholders)
{
    at(12, 0);
    QDir().mkpath(folder() + "/bmp/obr");
    QFile picture(folder() + "/bmp/obr/a.jpg");
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.close();
    test::insert(store, {.id = 1, .day = day, .obr = " a.jpg ", .obr2 = "a.jpg"});
    test::insert(store, {.id = 2, .day = day, .obr = "b.jpg", .obr2 = "c.jpg"});
    const QString bmp = folder() + "/bmp";
    EXPECT_TRUE(detail("1").contains("<BR><IMG SRC=\"" + bmp + "/obr/a.jpg\"></TD>"));
    EXPECT_TRUE(detail("1").contains("<IMG SRC=\"" + bmp + "/obr/a.jpg\" ALIGN=\"RIGHT\">"));
    const QString missing = detail("2");
    EXPECT_TRUE(missing.contains("<BR><FONT COLOR=yellow>--Tento obr. není načten.--</FONT></TD>"));
    EXPECT_TRUE(missing.contains("UPOZORNĚNÍ</A><BR><FONT COLOR=yellow>--Tento obr. není načten."
                                 "--</FONT><BR>"));
}

TEST_F(Detail, VpsLineUnderTheOptionAndUnknownIdGivesAnEmptyPage)
{
    at(12, 0);
    test::insert(store, {.id = 1, .tv = "ČT2", .day = day, .hod1 = 24, .min1 = 15});
    EXPECT_FALSE(detail("1").contains("VPS:"));
    showVps = true;
    EXPECT_TRUE(
        detail("1").contains("<B>VPS:</B> <FONT COLOR=\"#22cc22\" STYLE=\"font-weight: "
                             "bold; font-size: 8pt; font-family: Courier;\">206030015</FONT><BR>"));
    EXPECT_EQ(detail("404"), "<HTML><BODY BGCOLOR=\"#000050\" TEXT=\"#A0A0FF\"><BR></BODY></HTML>");
    EXPECT_EQ(detail("01"), detail("404")); // ids compare as their text
}
