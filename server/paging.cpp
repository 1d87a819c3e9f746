#include "paging.h"

namespace obzorka::server {

ListingIndex::ListingIndex(const ProgrammeTable& programmes)
{
    for (qsizetype row = 0; row < programmes.size(); ++row)
        m_byStation[programmes.station(row)][programmes.day(row)].append(row);
    for (auto& days : m_byStation)
        for (QList<qsizetype>& day : days)
            std::stable_sort(day.begin(), day.end(), [&programmes](qsizetype a, qsizetype b) {
                return programmes.startMinute(a) < programmes.startMinute(b);
            });
}

QList<qsizetype> ListingIndex::nextDays(const QStringList& received,
                                        const QMap<QString, QDate>& held, QDate from) const
{
    QList<qsizetype> rows;
    for (const QString& station : received) {
        const auto days = m_byStation.constFind(station);
        if (days == m_byStation.constEnd())
            continue;
        const auto last = held.constFind(station);
        const QDate first = last == held.constEnd() ? from : std::max(from, last->addDays(1));
        const auto day = days->lowerBound(first);
        if (day != days->constEnd())
            rows += *day;
    }
    return rows;
}

} // namespace obzorka::server
