#include "navigation/inplace.h"
#include "navigation/links.h"
#include "navigation/stationpages.h"
#include "reminders/marks.h"
#include "store/clock.h"
#include "support/listings.h"
#include "support/teststore.h"

using namespace obzorka;
using namespace obzorka::links;
using Kind = LinkAction::Kind;

TEST(LinkParts, PageNamesAndParameters)
{
    EXPECT_EQ(souborzurl("file:///C:/a\\b/upozor.htm?id=5"), "upozor.htm?id=5");
    EXPECT_EQ(strankazurl("about:blankvypisinf.htm?id=5"), "about:blankvypisinf.htm");
    EXPECT_EQ(strankazurl("x/hledej.htm?od=26"), "hledej.htm");
    EXPECT_EQ(parametrzurl("upozor.htm?id=5&id=7", "id"), "7");
    EXPECT_EQ(parametrzurl("hledej.htm", "od"), "");
    EXPECT_EQ(parametrzurl("hledej.htm?od=", "od"), "");
    EXPECT_EQ(parametrzurl("a.htm?x=%20y&z", "x"), "%20y");
    EXPECT_EQ(parametrzurl("a.htm?id=1?id=2", "id"), "1");
}

TEST(LinkParts, EveryRowOfTheGrammar)
{
    const auto kind = [](const QString& target) { return parseLink(target).kind; };
    EXPECT_EQ(kind("mailto:podpora@obzorka.cz"), Kind::Mail);
    EXPECT_EQ(kind("hledej.htm?od=26"), Kind::SearchPage);
    EXPECT_EQ(parseLink("hledej.htm").od, "");
    EXPECT_EQ(kind("zpet.htm"), Kind::BackToGrid);
    EXPECT_EQ(kind("zpet.htm?hledej=true"), Kind::BackToSearch);
    EXPECT_EQ(kind("zpet.htm?hledej=TRUE"), Kind::BackToGrid);
    EXPECT_EQ(kind("vypisinf.htm?id=5"), Kind::Detail);
    EXPECT_FALSE(parseLink("vypisinf.htm?id=5").fromSearch);
    EXPECT_TRUE(parseLink("vypisinf.htm?hledej=true&id=5").fromSearch);
    EXPECT_EQ(kind("upozor.htm?zpet=true&vypis=true&id=5"), Kind::ToggleTimeCell);
    EXPECT_EQ(kind("upozor.htm?id=5"), Kind::ToggleDetailLink);
    EXPECT_EQ(parseLink("upozor.htm?id=5&id=9").id, "9");
    EXPECT_EQ(kind("about:blankhelpnastaveni.html"), Kind::Help);
    EXPECT_EQ(parseLink("helpnastaveni.html").name, "helpnastaveni.html");
    EXPECT_EQ(kind("vypishod20.htm"), Kind::JumpToEight);
    // Case, a "/" in the query, other schemes and plain files do nothing.
    EXPECT_EQ(kind("Zpet.htm"), Kind::Nothing);
    EXPECT_EQ(kind("HELPINDEX.HTML"), Kind::Nothing);
    EXPECT_EQ(kind("upozor.htm?id=5/6"), Kind::Nothing);
    EXPECT_EQ(kind("http://example.com/"), Kind::Nothing);
    EXPECT_EQ(kind(""), Kind::Nothing);
}

TEST(InPlace, TimeCellFlipsBothClassesOfTheClickedLinkOnly)
{
    const QString cell =
        "<TD VALIGN=TOP WIDTH=35 CLASS=%1><A HREF=\"upozor.htm?zpet=true&vypis=true&id=%2\" "
        "TARGET=\"_parent\" CLASS=%1 STYLE=\"text-decoration: none;\" >";
    const QString page = cell.arg("cas", "5") + cell.arg("cas", "15");
    const QString target = "upozor.htm?zpet=true&vypis=true&id=5";
    const QString marked = inplace::flipTimeCell(page, target);
    EXPECT_EQ(marked, cell.arg("caszvol", "5") + cell.arg("cas", "15"));
    EXPECT_EQ(inplace::flipTimeCell(marked, target), page);
    EXPECT_EQ(inplace::flipTimeCell(page, "upozor.htm?zpet=true&vypis=true&id=7"), page);
}

TEST(InPlace, DetailLinkTextFlips)
{
    const QString page = "<A HREF=\"upozor.htm?id=5\" STYLE=\"color: #10D010;\" ONCLICK=\"return "
                         "false\">NASTAVIT UPOZORNĚNÍ</A><BR>";
    const QString flipped = inplace::flipReminderLink(page, "upozor.htm?id=5");
    EXPECT_TRUE(flipped.contains(">ZRUŠIT UPOZORNĚNÍ</A>"));
    EXPECT_EQ(inplace::flipReminderLink(flipped, "upozor.htm?id=5"), page);
}

class Marks : public test::StoreTest
{
};

TEST_F(Marks, ToggleOnlyBeforeTheStartMinuteIsOver)
{
    const QDate day(2026, 12, 7);
    test::insert(store, {.id = 5, .day = day, .hod1 = 20, .hod2 = 21});
    store.provedsql("INSERT INTO upozornit (id, automat) VALUES (6, 1)");
    test::insert(store, {.id = 6, .day = day, .hod1 = 22, .hod2 = 23});
    Clock::setFixed(QDateTime(day, QTime(20, 0, 59)));
    EXPECT_TRUE(toggleReminder(store, " 5 "));
    EXPECT_EQ(one("SELECT count(*) AS v FROM upozornit WHERE id=5"), "1");
    EXPECT_TRUE(toggleReminder(store, "5"));
    EXPECT_EQ(one("SELECT count(*) AS v FROM upozornit WHERE id=5"), "0");
    EXPECT_TRUE(toggleReminder(store, "6")); // a keyword mark is cleared by hand too
    EXPECT_EQ(one("SELECT count(*) AS v FROM upozornit"), "0");
    Clock::setFixed(QDateTime(day, QTime(20, 1)));
    EXPECT_FALSE(toggleReminder(store, "5"));
    EXPECT_FALSE(toggleReminder(store, "404"));
    EXPECT_EQ(one("SELECT count(*) AS v FROM upozornit"), "0");
}

TEST_F(Marks, SlotSwapsLeaveStationsWithoutASlotAlone)
{
    test::addStation(store, "ČT1", 1, 1);
    test::addStation(store, "Nova", 6, 3);
    test::addStation(store, "Bez místa", 0, 5000);
    swapSlots(store, 12, 6);
    swapSlots(store, 6, 1);
    swapSlots(store, 3, 3);
    const auto slotOf = [this](const QString& tv) {
        return one("SELECT pozice AS v FROM televize WHERE tv=?", {tv});
    };
    EXPECT_EQ(slotOf("Nova"), "12");
    EXPECT_EQ(slotOf("ČT1"), "6");
    EXPECT_EQ(slotOf("Bez místa"), "0");
    const StationPages pages = readStationPages(store);
    EXPECT_EQ(pages.pageCount, 3);
    EXPECT_EQ(pages.stationsOfPage(1), (QStringList{"", "ČT1", "", ""}));
}
