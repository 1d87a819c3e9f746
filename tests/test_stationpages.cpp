#include "navigation/stationpages.h"
#include "support/listings.h"
#include "support/teststore.h"

using namespace obzorka;

class StationPageModel : public test::StoreTest
{
};

TEST_F(StationPageModel, SixReceivedStationsMakeTwoPagesWithTooltips)
{
    const QStringList names{"ČT1", "ČT2", "Nova", "Prima", "ČT24", "ČT sport"};
    for (int i = 0; i < names.size(); ++i)
        test::addStation(store, names.at(i), i + 1, i + 1);
    const navigation::StationPages pages = navigation::readStationPages(store);
    EXPECT_EQ(pages.lastUsedSlot, 6);
    EXPECT_EQ(pages.pageCount, 2);
    EXPECT_EQ(pages.tooltips.at(1), "ČT1 ČT2 Nova Prima");
    EXPECT_EQ(pages.tooltips.at(2), "ČT24 ČT sport");
    EXPECT_EQ(pages.stationsOfPage(1), (QStringList{"ČT24", "ČT sport", "", ""}));
}

TEST_F(StationPageModel, OfferedStationsHaveNoTagAndLeaveAnEmptyColumn)
{
    test::addStation(store, "ČT1", 1, 1);
    test::addStation(store, "Markíza", 3, 1001, false);
    test::addStation(store, "Nova", 12, 3);
    const navigation::StationPages pages = navigation::readStationPages(store);
    EXPECT_EQ(pages.bySlot.at(3).caption, "Markíza");
    EXPECT_FALSE(pages.bySlot.at(3).received);
    EXPECT_EQ(pages.bySlot.at(3).tag, "");
    EXPECT_EQ(pages.tooltips.at(1), "ČT1");
    EXPECT_EQ(pages.stationsOfPage(0), (QStringList{"ČT1", "", "", ""}));
    EXPECT_EQ(pages.pageCount, 3);
    EXPECT_EQ(pages.tooltips.at(2), "");
}

TEST_F(StationPageModel, NoReceivedStationNoPageAndSlotsOutsideTheRangeIgnored)
{
    test::addStation(store, "Markíza", 96, 1001, false);
    test::addStation(store, "Navíc", 97, 5000);
    test::addStation(store, "Odložená", 0, 5001);
    const navigation::StationPages pages = navigation::readStationPages(store);
    EXPECT_EQ(pages.lastUsedSlot, 0);
    EXPECT_EQ(pages.pageCount, 0);
    EXPECT_EQ(pages.bySlot.at(96).caption, "Markíza");
    EXPECT_EQ(pages.stationsOfPage(23), (QStringList{"", "", "", ""}));
    EXPECT_EQ(pages.stationsOfPage(-1), (QStringList{"", "", "", ""}));
    EXPECT_EQ(pages.stationsOfPage(24), (QStringList{"", "", "", ""}));
}
