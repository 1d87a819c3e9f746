#pragma once

#include "listing.h"

#include <QDate>

// The demo's programmes: a station's broadcast day and the entries changed since.
namespace obzorka::server::demo {

// One station's broadcast day, the same for the same station, day and seed. Ids come from the
// day, the station and the position, never from the generator, and fit in 32 bits for dates up
// to the year 3400.
QList<Programme> stationDay(int stationIndex, QDate day, quint32 seed);

// Entries of the first three days served again with a new title, info1 or times.
QList<Programme> changes(const ProgrammeTable& programmes, QDate today, quint32 seed);

} // namespace obzorka::server::demo
