// A store of 50,400 programme entries (100 stations, 14 days from yesterday, 36 a day) that
// the page and view benchmarks build, with a fixed clock at 6:00 of `bench::today`.
#pragma once

#include "store/clock.h"
#include "store/dates.h"
#include "store/store.h"

namespace obzorka::bench {

inline const QDate today(2026, 12, 7);

inline void fillBigStore(store::Store& store)
{
    constexpr int stationCount = 100;
    constexpr int dayCount = 14;
    constexpr int perDay = 36;
    const char* const words[] = {"Zprávy",  "Počasí", "Film",  "Seriál",  "Sport",   "Hokej",
                                 "Příroda", "Večer",  "Hudba", "Pohádka", "Magazín", "Dokument"};
    store::Clock::setFixed(QDateTime(today, QTime(6, 0)));
    store.provedsql("BEGIN");
    for (int s = 0; s < stationCount; ++s) {
        const QString station = QStringLiteral("Stanice %1").arg(s + 1);
        store.provedsql("INSERT INTO televize (tv, povoleno, pozice, idtv) VALUES (?, 1, ?, ?)",
                        {station, s < 96 ? s + 1 : 0, s < 50 ? s + 1 : 1000 + s});
        for (int d = 0; d < dayCount; ++d) {
            for (int p = 0; p < perDay; ++p) {
                const int id = (s * dayCount + d) * perDay + p;
                const int start = 6 * 60 + p * 35;
                store.provedsql(
                    "INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, nazev, info1, "
                    "info2, typprg, stereo) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                    {id, station, store::dates::isoDate(today.addDays(d - 1)), start / 60,
                     start % 60, (start + 35) / 60, (start + 35) % 60,
                     QString(QString::fromUtf8(words[id % 12]) +
                             QStringLiteral(" – díl %1").arg(id % 97)),
                     QStringLiteral("Krátká informace o pořadu číslo %1").arg(id),
                     QString(QStringLiteral("Rozšířená informace: děj, herci, režie a "
                                            "hodnocení pořadu na stanici ") +
                             station),
                     QString(QChar(u"FDZSQOLX"[id % 8])), id % 2});
            }
        }
    }
    store.provedsql("COMMIT");
}

} // namespace obzorka::bench
