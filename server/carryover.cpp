#include "carryover.h"

#include <QHash>
#include <QSet>

namespace obzorka::server {
namespace {

// The farthest a start may move and still be the same programme.
constexpr int maxMoveMinutes = 3 * 60;

// The station, broadcast day and title of an entry, as one key.
using Slot = QByteArray;

Slot slotOf(const ProgrammeTable& programmes, qsizetype row)
{
    return programmes.station(row).toUtf8() + '\n' +
           QByteArray::number(programmes.day(row).toJulianDay()) + '\n' +
           programmes.title(row).toByteArray();
}

// The served programmes gone from the fresh listings under their ids, by station, day and title.
QHash<Slot, QList<qsizetype>> vanished(const ProgrammeTable& served, const QSet<qint64>& freshIds)
{
    QHash<Slot, QList<qsizetype>> gone;
    for (qsizetype row = 0; row < served.size(); ++row)
        if (!freshIds.contains(served.id(row)))
            gone[slotOf(served, row)] << row;
    return gone;
}

// The served row the fresh programme moved from, taken from the candidates: the nearest start
// within the limit; -1 when none is near enough.
qsizetype movedFrom(int start, const ProgrammeTable& served, QList<qsizetype>& candidates)
{
    qsizetype nearest = -1;
    int nearestDistance = maxMoveMinutes + 1;
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const int distance = std::abs(served.startMinute(candidates[i]) - start);
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest < 0 ? -1 : candidates.takeAt(nearest);
}

} // namespace

void carryOver(const Listings& previous, Listings* fresh)
{
    const ProgrammeTable& served = previous.programmes;
    QHash<qint64, qsizetype> servedRow;
    servedRow.reserve(served.size());
    for (qsizetype row = 0; row < served.size(); ++row)
        servedRow.insert(served.id(row), row);
    QSet<qint64> freshIds;
    freshIds.reserve(fresh->programmes.size());
    for (qsizetype row = 0; row < fresh->programmes.size(); ++row)
        freshIds.insert(fresh->programmes.id(row));
    QHash<Slot, QList<qsizetype>> gone = vanished(served, freshIds);

    QSet<qint64> changed;
    for (qsizetype row = 0; row < previous.changes.size(); ++row)
        changed.insert(previous.changes.id(row));
    ProgrammeTable& programmes = fresh->programmes;
    for (qsizetype row = 0; row < programmes.size(); ++row) {
        qsizetype before = servedRow.value(programmes.id(row), -1);
        if (before < 0) {
            const auto candidates = gone.find(slotOf(programmes, row));
            if (candidates == gone.end())
                continue;
            before = movedFrom(programmes.startMinute(row), served, *candidates);
            if (before < 0)
                continue;
            programmes.setId(row, served.id(before));
        }
        if (!programmes.sameContents(row, served, before))
            changed.insert(programmes.id(row));
    }
    fresh->changes = ProgrammeTable();
    for (qsizetype row = 0; row < programmes.size(); ++row)
        if (changed.contains(programmes.id(row)))
            fresh->changes.appendFrom(programmes, row);
}

} // namespace obzorka::server
