#pragma once

#include "programmetable.h"

#include <QHash>
#include <QMap>

namespace obzorka::server {

// The programmes by station and broadcast day, for answering the guide's page requests.
class ListingIndex
{
public:
    explicit ListingIndex(const ProgrammeTable& programmes);

    // For each received station, the rows of all programmes of its first day with programmes after
    // the day the guide holds (from `from` on when it holds none), in the order of their starts, so
    // that the guide's loop moves on by one day a station each round and ends with an empty answer.
    QList<qsizetype> nextDays(const QStringList& received, const QMap<QString, QDate>& held,
                              QDate from) const;

private:
    QHash<QString, QMap<QDate, QList<qsizetype>>> m_byStation;
};

} // namespace obzorka::server
