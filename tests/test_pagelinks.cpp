#include "navigation/stationpages.h"
#include "pages/pagelinks.h"
#include "reminders/marks.h"
#include "store/clock.h"
#include "support/listings.h"
#include "support/teststore.h"

using namespace obzorka;
using namespace obzorka::pages::links;
using Kind = LinkAction::Kind;

// Each link the pages write reads back as its action with the values it was written with;
// anything else, however close, does nothing.
TEST(PageLinks, WrittenLinksReadBackAndNothingElseActs)
{
    struct Case
    {
        QString target;
        Kind kind;
        QString value = {}; // the id, the offset or the help page
        bool fromSearch = false;
    };
    const QString maxId(18, u'9');
    const Case cases[] = {
        {mailTarget("podpora@obzorka.cz"), Kind::Mail},
        {mailTarget("podpora@obzorka.cz?subject=Dotaz k programu"), Kind::Mail},
        {searchPageTarget("26"), Kind::SearchPage, "26"},
        {searchPageTarget("-23"), Kind::SearchPage, "-23"}, // back from row 2
        {backTarget(false), Kind::BackToGrid},
        {backTarget(true), Kind::BackToSearch},
        {detailTarget(maxId, false), Kind::Detail, maxId},
        {detailTarget("5", true), Kind::Detail, "5", true},
        {timeCellTarget("-5"), Kind::ToggleTimeCell, "-5"},
        {"about:blank" + reminderTarget("5"), Kind::ToggleDetailLink, "5"},
        {helpSettings, Kind::Help, helpSettings},
        {jumpToEightTarget(), Kind::JumpToEight},
        // More than a subject, a second address, other parameters, other letter case, a path,
        // a second id, no offset, a number too long or no number, other schemes: nothing.
        {mailTarget("podpora@obzorka.cz?subject=x&body=y"), Kind::Nothing},
        {mailTarget("a@b.cz?cc=c@d.cz"), Kind::Nothing},
        {mailTarget("a@b.cz,c@d.cz"), Kind::Nothing},
        {searchPageTarget(""), Kind::Nothing},
        {searchPageTarget("1234567890"), Kind::Nothing},
        {detailTarget(maxId + "9", false), Kind::Nothing},
        {"zpet.htm?hledej=TRUE", Kind::Nothing},
        {"x/" + backTarget(false), Kind::Nothing},
        {QString(helpIndex).toUpper(), Kind::Nothing},
        {"helpneni.html", Kind::Nothing},
        {reminderTarget("5") + "&id=9", Kind::Nothing},
        {timeCellTarget("5") + "&x=1", Kind::Nothing},
        {"upozor.htm?vypis=true&zpet=true&id=5", Kind::Nothing},
        {reminderTarget("5/6"), Kind::Nothing},
        {reminderTarget("-"), Kind::Nothing},
        {detailTarget("5\"><b>", false), Kind::Nothing},
        {"http://example.com/", Kind::Nothing},
        {"", Kind::Nothing},
    };
    for (const Case& c : cases) {
        const LinkAction action = parseLink(c.target);
        EXPECT_EQ(action.kind, c.kind) << c.target.toStdString();
        const QString value = c.kind == Kind::SearchPage ? action.od
                              : c.kind == Kind::Help     ? action.name
                                                         : action.id;
        EXPECT_EQ(value, c.value) << c.target.toStdString();
        EXPECT_EQ(action.fromSearch, c.fromSearch) << c.target.toStdString();
    }
}

// A reminder click flips what the writers wrote, for the clicked link only.
TEST(InPlace, TimeCellAndDetailLinkFlipBackAndForth)
{
    const auto cells = [](bool fiveMarked) -> QString {
        return timeCellOpening("15", false) + " STYLE=\"\">" + timeCellOpening("5", fiveMarked) +
               " STYLE=\"\">";
    };
    EXPECT_EQ(flipTimeCell(cells(false), timeCellTarget("5")), cells(true));
    EXPECT_EQ(flipTimeCell(cells(true), timeCellTarget("5")), cells(false));
    EXPECT_EQ(flipTimeCell(cells(false), timeCellTarget("1")), cells(false));
    const auto detail = [](bool marked) -> QString { return reminderLink("5", marked) + "<BR>"; };
    EXPECT_EQ(flipReminderLink(detail(false), reminderTarget("5")), detail(true));
    EXPECT_EQ(flipReminderLink(detail(true), reminderTarget("5")), detail(false));
    EXPECT_EQ(flipReminderLink(detail(false), reminderTarget("7")), detail(false));
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
