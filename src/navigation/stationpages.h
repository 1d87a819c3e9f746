#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka::navigation {

// The stations as the 96 slots show them, four to a page: slot n (1..96) is the station
// whose pozice is n. Only received stations carry a tag, and only tags reach the grid.
struct StationPages
{
    static constexpr int slotCount = 96;
    static constexpr int pageSize = 4;
    static constexpr int maxPages = slotCount / pageSize;

    struct Slot
    {
        QString caption; // the station's name, or empty
        QString tag;     // the name of a received station, or empty
        bool received = false;
    };

    std::array<Slot, slotCount + 1> bySlot{};     // index 0 unused
    int lastUsedSlot = 0;                         // the highest slot with a tag, 0 when none
    int pageCount = 0;                            // pages with a button: (last used slot + 3) / 4
    std::array<QString, maxPages + 1> tooltips{}; // page k's received stations, index 0 unused

    // The four stations of page index p (from 0) for the grid; empty names for empty slots
    // and for p outside the pages.
    QStringList stationsOfPage(int pageIndex) const;
};

// Reads televize. Stations whose slot lies outside 1..96 have no slot.
StationPages readStationPages(store::Store& store);

// Swaps the stations of two slots (a slot dropped on another); an empty slot simply
// receives the station, and a slot dropped on itself changes nothing.
void swapSlots(store::Store& store, int target, int source);

} // namespace obzorka::navigation
