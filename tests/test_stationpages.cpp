#include "navigation/stationpages.h"
#include "support/listings.h"
#include "support/teststore.h"

using namespace obzorka;

class StationPageModel : public test::StoreTest
{
protected:
    // "last slot/pages tooltips [columns of the page] caption/tag of the slot, + when received"
    QString summary(int page, int slot)
    {
        const navigation::StationPages pages = navigation::readStationPages(store);
        QStringList tooltips;
        for (int i = 1; i <= pages.pageCount; ++i)
            tooltips << pages.tooltips.at(i);
        const auto& s = pages.bySlot.at(slot);
        EXPECT_EQ(pages.stationsOfPage(-1) + pages.stationsOfPage(24), QStringList(8, ""));
        return QString("%1/%2 %3 [%4] %5/%6%7")
            .arg(pages.lastUsedSlot)
            .arg(pages.pageCount)
            .arg(tooltips.join('|'), pages.stationsOfPage(page).join(','), s.caption, s.tag,
                 QString(s.received ? "+" : "-"));
    }
};

// Four slots a page up to the last received station; offered stations have no tag and leave an
// empty column; slots outside 1..96 are no slots.
TEST_F(StationPageModel, PagesTooltipsAndColumnsOfTheSlots)
{
    const std::tuple<const char*, int, int, const char*> cases[] = {
        {"ČT1@1 ČT2@2 Nova@3 Prima@4 ČT24@5", 1, 5,
         "5/2 ČT1 ČT2 Nova Prima|ČT24 [ČT24,,,] ČT24/ČT24+"},
        {"ČT1@1 -Markíza@3 Nova@12", 0, 3, "12/3 ČT1||Nova [ČT1,,,] Markíza/-"},
        {"-Markíza@96 Navíc@97 Odložená@0", 23, 96, "0/0  [,,,] Markíza/-"},
    };
    for (const auto& [stations, page, slot, shown] : cases) {
        store.provedsql("DELETE FROM televize");
        int number = 0;
        for (const QString& station : QString(stations).split(' ')) {
            const bool offered = station.startsWith('-');
            test::addStation(store, station.mid(offered).section('@', 0, 0),
                             station.section('@', 1).toInt(), ++number, !offered);
        }
        EXPECT_EQ(summary(page, slot), shown) << stations;
    }
}

// A slot dropped on another swaps their stations; stations without a slot stay without.
TEST_F(StationPageModel, SlotSwapsLeaveStationsWithoutASlotAlone)
{
    test::addStation(store, "ČT1", 1, 1);
    test::addStation(store, "Nova", 6, 3);
    test::addStation(store, "Bez místa", 0, 5000);
    navigation::swapSlots(store, 12, 6);
    navigation::swapSlots(store, 6, 1);
    navigation::swapSlots(store, 3, 3);
    EXPECT_EQ(one("SELECT group_concat(tv || '=' || pozice) AS v FROM (SELECT * FROM televize "
                  "ORDER BY idtv)"),
              "ČT1=6,Nova=12,Bez místa=0");
    EXPECT_EQ(summary(1, 6), "12/3 |ČT1|Nova [,ČT1,,] ČT1/ČT1+");
}
