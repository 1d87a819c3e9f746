#include "paging.h"

namespace obzorka::server {

ListingIndex::ListingIndex(const QList<Programme>& programmes)
{
    for (const Programme& programme : programmes)
        m_byStation[programme.station][programme.day].append(programme);
    for (auto& days : m_byStation)
        for (QList<Programme>& day : days)
            std::sort(day.begin(), day.end(), [](const Programme& a, const Programme& b) {
                return std::pair(a.hod1, a.min1) < std::pair(b.hod1, b.min1);
            });
}

QList<Programme> ListingIndex::nextDays(const QStringList& received,
                                        const QMap<QString, QDate>& held, QDate from) const
{
    QList<Programme> programmes;
    for (const QString& station : received) {
        const auto days = m_byStation.constFind(station);
        if (days == m_byStation.constEnd())
            continue;
        const auto last = held.constFind(station);
        const QDate first = last == held.constEnd() ? from : std::max(from, last->addDays(1));
        const auto day = days->lowerBound(first);
        if (day != days->constEnd())
            programmes += *day;
    }
    return programmes;
}

} // namespace obzorka::server
