#include "navigation/inplace.h"
#include "navigation/links.h"
#include "navigation/stationpages.h"
#include "reminders/marks.h"
#include "store/clock.h"
#include "support/listings.h"
#include "support/teststore.h"

using namespace obzorka;
using namespace obzorka::navigation::links;
using Kind = LinkAction::Kind;

// Each link the pages write acts; anything else, however close, does nothing.
TEST(Links, OnlyTheFormsThePagesWriteAct)
{
    struct Case
    {
        const char* target;
        Kind kind;
        const char* value = ""; // the id, the offset or the help page
        bool fromSearch = false;
    };
    const Case cases[] = {
        {"mailto:podpora@obzorka.cz", Kind::Mail},
        {"mailto:podpora@obzorka.cz?subject=Dotaz k programu", Kind::Mail},
        {"hledej.htm?od=26", Kind::SearchPage, "26"},
        {"zpet.htm", Kind::BackToGrid},
        {"zpet.htm?hledej=true", Kind::BackToSearch},
        {"vypisinf.htm?id=5", Kind::Detail, "5"},
        {"vypisinf.htm?hledej=true&id=5", Kind::Detail, "5", true},
        {"upozor.htm?zpet=true&vypis=true&id=5", Kind::ToggleTimeCell, "5"},
        {"about:blankupozor.htm?id=5", Kind::ToggleDetailLink, "5"},
        {"helpnastaveni.html", Kind::Help, "helpnastaveni.html"},
        {"vypishod20.htm", Kind::JumpToEight},
        // More than a subject, a second address, other parameters, other letter case, a path,
        // a second id, no offset, an id that is no number, other schemes: nothing.
        {"mailto:podpora@obzorka.cz?subject=x&body=y", Kind::Nothing},
        {"mailto:a@b.cz?cc=c@d.cz", Kind::Nothing},
        {"mailto:a@b.cz,c@d.cz", Kind::Nothing},
        {"hledej.htm", Kind::Nothing},
        {"hledej.htm?od=", Kind::Nothing},
        {"zpet.htm?hledej=TRUE", Kind::Nothing},
        {"Zpet.htm", Kind::Nothing},
        {"x/zpet.htm", Kind::Nothing},
        {"HELPINDEX.HTML", Kind::Nothing},
        {"helpneni.html", Kind::Nothing},
        {"upozor.htm?id=5&id=9", Kind::Nothing},
        {"upozor.htm?zpet=true&vypis=true&id=5&x=1", Kind::Nothing},
        {"upozor.htm?vypis=true&zpet=true&id=5", Kind::Nothing},
        {"upozor.htm?id=5/6", Kind::Nothing},
        {"vypisinf.htm?id=5\"><b>", Kind::Nothing},
        {"http://example.com/", Kind::Nothing},
        {"file:///etc/passwd", Kind::Nothing},
        {"", Kind::Nothing},
    };
    for (const Case& c : cases) {
        const LinkAction action = parseLink(c.target);
        EXPECT_EQ(action.kind, c.kind) << c.target;
        const QString value = c.kind == Kind::SearchPage ? action.od
                              : c.kind == Kind::Help     ? action.name
                                                         : action.id;
        EXPECT_EQ(value, c.value) << c.target;
        EXPECT_EQ(action.fromSearch, c.fromSearch) << c.target;
    }
}

TEST(InPlace, TimeCellFlipsBothClassesOfTheClickedLinkOnly)
{
    const QString cell =
        "<TD VALIGN=TOP WIDTH=35 CLASS=%1><A HREF=\"upozor.htm?zpet=true&vypis=true&id=%2\" "
        "TARGET=\"_parent\" CLASS=%1 STYLE=\"text-decoration: none;\" >";
    const QString page = cell.arg("cas", "5") + cell.arg("cas", "15");
    const QString target = "upozor.htm?zpet=true&vypis=true&id=5";
    const QString marked = navigation::inplace::flipTimeCell(page, target);
    EXPECT_EQ(marked, cell.arg("caszvol", "5") + cell.arg("cas", "15"));
    EXPECT_EQ(navigation::inplace::flipTimeCell(marked, target), page);
    EXPECT_EQ(navigation::inplace::flipTimeCell(page, "upozor.htm?zpet=true&vypis=true&id=7"),
              page);
}

TEST(InPlace, DetailLinkTextFlips)
{
    const QString page = "<A HREF=\"upozor.htm?id=5\" STYLE=\"color: #10D010;\" ONCLICK=\"return "
                         "false\">NASTAVIT UPOZORNĚNÍ</A><BR>";
    const QString flipped = navigation::inplace::flipReminderLink(page, "upozor.htm?id=5");
    EXPECT_TRUE(flipped.contains(">ZRUŠIT UPOZORNĚNÍ</A>"));
    EXPECT_EQ(navigation::inplace::flipReminderLink(flipped, "upozor.htm?id=5"), page);
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
    store::Clock::setFixed(QDateTime(day, QTime(20, 0, 59)));
    EXPECT_TRUE(reminders::toggleReminder(store, " 5 "));
    EXPECT_EQ(one("SELECT count(*) AS v FROM upozornit WHERE id=5"), "1");
    EXPECT_TRUE(reminders::toggleReminder(store, "5"));
    EXPECT_EQ(one("SELECT count(*) AS v FROM upozornit WHERE id=5"), "0");
    EXPECT_TRUE(reminders::toggleReminder(store, "6")); // a keyword mark is cleared by hand too
    EXPECT_EQ(one("SELECT count(*) AS v FROM upozornit"), "0");
    store::Clock::setFixed(QDateTime(day, QTime(20, 1)));
    EXPECT_FALSE(reminders::toggleReminder(store, "5"));
    EXPECT_FALSE(reminders::toggleReminder(store, "404"));
    EXPECT_EQ(one("SELECT count(*) AS v FROM upozornit"), "0");
}

TEST_F(Marks, SlotSwapsLeaveStationsWithoutASlotAlone)
{
    test::addStation(store, "ČT1", 1, 1);
    test::addStation(store, "Nova", 6, 3);
    test::addStation(store, "Bez místa", 0, 5000);
    navigation::swapSlots(store, 12, 6);
    navigation::swapSlots(store, 6, 1);
    navigation::swapSlots(store, 3, 3);
    const auto slotOf = [this](const QString& tv) {
        return one("SELECT pozice AS v FROM televize WHERE tv=?", {tv});
    };
    EXPECT_EQ(slotOf("Nova"), "12");
    EXPECT_EQ(slotOf("ČT1"), "6");
    EXPECT_EQ(slotOf("Bez místa"), "0");
    const navigation::StationPages pages = navigation::readStationPages(store);
    EXPECT_EQ(pages.pageCount, 3);
    EXPECT_EQ(pages.stationsOfPage(1), (QStringList{"", "ČT1", "", ""}));
}
