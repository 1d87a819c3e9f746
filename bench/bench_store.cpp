// The statement runner against bare SQLite on the same query and store, in one run: what the
// runner's binding, dialect functions and row copying cost.
#include "store/store.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int stations = 20;
constexpr int perStation = 50;

struct Fixture
{
    Fixture()
    {
        store.otevridb(folder.path(), nullptr);
        store.provedsql("BEGIN");
        for (int s = 0; s < stations; ++s)
            for (int p = 0; p < perStation; ++p)
                store.provedsql(
                    "INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, nazev) "
                    "VALUES (?, ?, '2026-12-04', ?, 0, ?, 30, 'Pořad')",
                    {s * 1000 + p, QStringLiteral("Stanice %1").arg(s), p % 30, p % 30});
        store.provedsql("COMMIT");
        sqlite3_open_v2(
            QFile::encodeName(obzorka::store::Store::databasePath(folder.path())).constData(),
            &bare, SQLITE_OPEN_READONLY, nullptr);
    }
    ~Fixture() { sqlite3_close_v2(bare); }

    QTemporaryDir folder;
    obzorka::store::Store store;
    sqlite3* bare = nullptr;
};

Fixture& fixture()
{
    static Fixture shared;
    return shared;
}

const char* const stationQuery =
    "SELECT * FROM program WHERE datum='2026-12-04' AND tv='Stanice 7' ORDER BY hod1, min1";

void BM_BareSqlite(benchmark::State& state)
{
    sqlite3* db = fixture().bare;
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, stationQuery, -1, &statement, nullptr);
        int rows = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_text(statement, 7));
            ++rows;
        }
        sqlite3_finalize(statement);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_BareSqlite);

void BM_Provedsql(benchmark::State& state)
{
    obzorka::store::Store& store = fixture().store;
    for (auto _ : state) {
        const obzorka::store::Rows rows = store.provedsql(QString::fromLatin1(stationQuery));
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_Provedsql);

} // namespace

BENCHMARK_MAIN();
