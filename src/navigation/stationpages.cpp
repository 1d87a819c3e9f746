#include "navigation/stationpages.h"

#include "store/blanks.h"
#include "store/store.h"

namespace obzorka::navigation {

QStringList StationPages::stationsOfPage(int pageIndex) const
{
    QStringList names;
    for (int column = 1; column <= pageSize; ++column) {
        const int slot = pageIndex * pageSize + column;
        names << (pageIndex >= 0 && slot <= slotCount ? bySlot.at(slot).tag : QString());
    }
    return names;
}

StationPages readStationPages(store::Store& store)
{
    StationPages pages;
    for (const store::Row& row : store.provedsql(QStringLiteral("SELECT * FROM televize"))) {
        const qint64 slot = row.number(u"pozice");
        if (slot < 1 || slot > StationPages::slotCount)
            continue;
        StationPages::Slot& target = pages.bySlot.at(slot);
        target.caption = row.text(u"tv");
        target.received = row.number(u"povoleno") != 0;
        target.tag = target.received ? target.caption : QString();
    }
    for (int slot = StationPages::slotCount; slot >= 1 && pages.lastUsedSlot == 0; --slot) {
        if (!pages.bySlot.at(slot).tag.isEmpty())
            pages.lastUsedSlot = slot;
    }
    pages.pageCount = (pages.lastUsedSlot + 3) / StationPages::pageSize;
    for (int slot = 1; slot <= pages.lastUsedSlot; ++slot) {
        const QString& tag = pages.bySlot.at(slot).tag;
        if (tag.isEmpty())
            continue;
        QString& tooltip = pages.tooltips.at((slot - 1) / StationPages::pageSize + 1);
        tooltip = store::trimBlanks(tooltip + u' ' + tag);
    }
    return pages;
}

} // namespace obzorka::navigation

namespace obzorka::navigation {

void swapSlots(store::Store& store, int target, int source)
{
    // The target's station waits on slot -1 while the source's takes its place; not on 0,
    // where a station without a free slot may be, which must not move.
    store::Store::Transaction swap(store);
    store.provedsql(QStringLiteral("UPDATE televize SET pozice=-1 WHERE pozice=?"), {target});
    store.provedsql(QStringLiteral("UPDATE televize SET pozice=? WHERE pozice=?"),
                    {target, source});
    store.provedsql(QStringLiteral("UPDATE televize SET pozice=? WHERE pozice=-1"), {source});
    swap.commit();
}

} // namespace obzorka::navigation
