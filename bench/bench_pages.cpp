// The page builders against the bare SQL of the same queries, in one run, on a store of
// 50,400 programme entries (100 stations, 14 days, 36 a day) that the benchmark builds.
// Bare SQL: the same statements stepped through on a plain SQLite connection with the
// dialect functions, reading every column, without rows or HTML.
#include "bigstore.h"
#include "pages/generhtml.h"
#include "store/dialect.h"
#include "store/store.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

using namespace obzorka;

using bench::today;

struct Fixture
{
    Fixture()
    {
        store.otevridb(folder.path(), nullptr);
        bench::fillBigStore(store);
        sqlite3_open_v2(QFile::encodeName(store::Store::databasePath(folder.path())).constData(),
                        &bare, SQLITE_OPEN_READONLY, nullptr);
        store::registerDialect(bare);
        sqlite3_exec(bare, "PRAGMA mmap_size=268435456", nullptr, nullptr, nullptr);
    }
    ~Fixture() { sqlite3_close_v2(bare); }

    QTemporaryDir folder;
    store::Store store;
    sqlite3* bare = nullptr;
};

Fixture& fixture()
{
    static Fixture shared;
    return shared;
}

pages::PageContext context()
{
    return {fixture().store, fixture().folder.path() + QStringLiteral("/bmp"), false};
}

const QStringList pageStations{QStringLiteral("Stanice 5"), QStringLiteral("Stanice 6"),
                               QStringLiteral("Stanice 7"), QStringLiteral("Stanice 8")};

// Steps through one statement on the bare connection, reading every column as text.
void runBare(const pages::Statement& statement)
{
    sqlite3_stmt* prepared = nullptr;
    const QByteArray sql = statement.sql.toUtf8();
    sqlite3_prepare_v2(fixture().bare, sql.constData(), int(sql.size()), &prepared, nullptr);
    for (int i = 0; i < statement.params.size(); ++i) {
        const QVariant& value = statement.params.at(i);
        if (value.typeId() == QMetaType::QString) {
            const QByteArray text = value.toString().toUtf8();
            sqlite3_bind_text(prepared, i + 1, text.constData(), int(text.size()),
                              SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(prepared, i + 1, value.toLongLong());
        }
    }
    while (sqlite3_step(prepared) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(prepared); ++c)
            benchmark::DoNotOptimize(sqlite3_column_text(prepared, c));
    }
    sqlite3_finalize(prepared);
}

void BM_GridPage(benchmark::State& state)
{
    const auto page = context();
    for (auto _ : state)
        benchmark::DoNotOptimize(pages::genertabulku(page, today, QStringLiteral("Vše"),
                                                     QStringLiteral("Začátku"),
                                                     QStringLiteral("Konce"), pageStations, false));
}
BENCHMARK(BM_GridPage)->Unit(benchmark::kMillisecond);

void BM_GridBareSql(benchmark::State& state)
{
    const auto bands =
        pages::clipBands(QStringLiteral("Začátku"), QStringLiteral("Konce"), QTime(6, 0));
    for (auto _ : state) {
        for (const QString& station : pageStations)
            for (size_t b = 0; b < bands.size(); ++b)
                runBare(pages::bandStatement(today, station, bands.at(b), b == 0,
                                             QStringLiteral("Vše")));
    }
}
BENCHMARK(BM_GridBareSql)->Unit(benchmark::kMillisecond);

void searchPage(benchmark::State& state, const QString& text)
{
    const auto page = context();
    for (auto _ : state)
        benchmark::DoNotOptimize(pages::generhledani(page, pages::SearchQuery{.text = text}));
}

void searchBare(benchmark::State& state, const QString& text)
{
    pages::Statement statement = pages::searchStatement(pages::SearchQuery{.text = text});
    statement.sql += QStringLiteral(" LIMIT 26 OFFSET 0");
    for (auto _ : state)
        runBare(statement);
}

void BM_SearchCommonWord(benchmark::State& state)
{
    searchPage(state, QStringLiteral("zprávy"));
}
BENCHMARK(BM_SearchCommonWord)->Unit(benchmark::kMillisecond);

void BM_SearchCommonWordBareSql(benchmark::State& state)
{
    searchBare(state, QStringLiteral("zprávy"));
}
BENCHMARK(BM_SearchCommonWordBareSql)->Unit(benchmark::kMillisecond);

void BM_SearchNoMatch(benchmark::State& state)
{
    searchPage(state, QStringLiteral("xyzzy"));
}
BENCHMARK(BM_SearchNoMatch)->Unit(benchmark::kMillisecond);

void BM_SearchNoMatchBareSql(benchmark::State& state)
{
    searchBare(state, QStringLiteral("xyzzy"));
}
BENCHMARK(BM_SearchNoMatchBareSql)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
