// The statement runner against bare SQLite on the same query and store, in one run: what the
// runner's binding, dialect functions and row copying cost. And a login reply naming ten
// thousand stations applied to an empty store, against inserting as many rows in one
// transaction.
#include "store/store.h"
#include "sync/login.h"

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

constexpr int manyStations = 10000;

// A fresh empty store, made outside the timed part.
void freshStore(benchmark::State& state, QTemporaryDir& folder, obzorka::store::Store& store)
{
    state.PauseTiming();
    store.otevridb(folder.path(), nullptr);
    state.ResumeTiming();
}

void BM_LoginOfTenThousandStations(benchmark::State& state)
{
    QStringList entries;
    for (int i = 1; i <= manyStations; ++i)
        entries << QStringLiteral("1Stanice %1;%1").arg(i);
    const obzorka::sync::LoginBody body{entries.join(u','), {}, {}, {}};
    for (auto _ : state) {
        QTemporaryDir folder;
        obzorka::store::Store store;
        freshStore(state, folder, store);
        benchmark::DoNotOptimize(obzorka::sync::applyLogin(store, body).stationsAdded);
    }
}
BENCHMARK(BM_LoginOfTenThousandStations)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_InsertTenThousandStations(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir folder;
        obzorka::store::Store store;
        freshStore(state, folder, store);
        obzorka::store::Store::Transaction plain(store);
        for (int i = 1; i <= manyStations; ++i)
            store.provedsql("INSERT INTO televize (tv, povoleno, pozice, idtv) VALUES (?, 1, 0, ?)",
                            {QStringLiteral("Stanice %1").arg(i), i});
        plain.commit();
    }
}
BENCHMARK(BM_InsertTenThousandStations)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
