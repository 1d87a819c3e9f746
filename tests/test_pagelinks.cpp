#include "pages/pagelinks.h"
#include "support/teststore.h"

using namespace obzorka;
using namespace obzorka::pages::links;
using Kind = LinkAction::Kind;

// Each link the pages write reads back as its action with the values it was written with;
// anything else, however close, does nothing.
TEST(PageLinks, WrittenLinksReadBackAndNothingElseActs)
{
    const QString maxId(18, u'9');
    // The target, its action, the id, the offset or the help page, and the detail's origin.
    const std::tuple<QString, Kind, QString, Origin> cases[] = {
        {mailTarget("podpora@obzorka.cz"), Kind::Mail, "", Origin::Grid},
        {mailTarget("podpora@obzorka.cz?subject=Dotaz k programu"), Kind::Mail, "", Origin::Grid},
        {searchPageTarget("26"), Kind::SearchPage, "26", Origin::Grid},
        {searchPageTarget("-23"), Kind::SearchPage, "-23", Origin::Grid}, // back from row 2
        {backTarget(Origin::Grid), Kind::BackToGrid, "", Origin::Grid},
        {backTarget(Origin::Search), Kind::BackToSearch, "", Origin::Grid},
        {detailTarget(maxId, Origin::Grid), Kind::Detail, maxId, Origin::Grid},
        {detailTarget("5", Origin::Search), Kind::Detail, "5", Origin::Search},
        {backTarget(Origin::Now), Kind::BackToNow, "", Origin::Grid},
        {detailTarget("7", Origin::Now), Kind::Detail, "7", Origin::Now},
        {timeCellTarget("-5"), Kind::ToggleTimeCell, "-5", Origin::Grid},
        {"about:blank" + reminderTarget("5"), Kind::ToggleDetailLink, "5", Origin::Grid},
        {helpSettings, Kind::Help, helpSettings, Origin::Grid},
        {jumpToEightTarget(), Kind::JumpToEight, "", Origin::Grid},
        {calendarTarget("12"), Kind::AddToCalendar, "12", Origin::Grid},
    };
    // More than a subject, a second address, other parameters, other letter case, a path, a
    // second id, no offset, a number too long or no number, other schemes: nothing.
    for (const QString& target : QStringList{
             mailTarget("podpora@obzorka.cz?subject=x&body=y"), mailTarget("a@b.cz?cc=c@d.cz"),
             mailTarget("a@b.cz,c@d.cz"), searchPageTarget(""), searchPageTarget("1234567890"),
             detailTarget(maxId + "9", Origin::Grid), "zpet.htm?hledej=TRUE", "zpet.htm?ted=1",
             "x/" + backTarget(Origin::Grid), QString(helpIndex).toUpper(), "helpneni.html",
             reminderTarget("5") + "&id=9", timeCellTarget("5") + "&x=1",
             "upozor.htm?vypis=true&zpet=true&id=5", reminderTarget("5/6"), reminderTarget("-"),
             detailTarget("5\"><b>", Origin::Grid), "http://example.com/", ""})
        EXPECT_EQ(parseLink(target).kind, Kind::Nothing) << target.toStdString();
    for (const auto& [target, kind, value, from] : cases) {
        const LinkAction action = parseLink(target);
        EXPECT_EQ(action.kind, kind) << target.toStdString();
        EXPECT_EQ(kind == Kind::SearchPage ? action.od
                  : kind == Kind::Help     ? action.name
                                           : action.id,
                  value)
            << target.toStdString();
        EXPECT_EQ(action.from, from) << target.toStdString();
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
