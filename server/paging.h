#pragma once

#include "listing.h"

#include <QHash>
#include <QMap>

namespace obzorka::server {

// The programmes by station and broadcast day, for answering the guide's page requests.
class ListingIndex
{
public:
    explicit ListingIndex(const QList<Programme>& programmes);

    // For each received station, all programmes of its first day with programmes after the
    // day the guide holds (from `from` on when it holds none), so that the guide's loop
    // moves on by one day a station each round and ends with an empty answer.
    QList<Programme> nextDays(const QStringList& received, const QMap<QString, QDate>& held,
                              QDate from) const;

private:
    QHash<QString, QMap<QDate, QList<Programme>>> m_byStation;
};

} // namespace obzorka::server
