// A full pull of 40 stations × 14 days from the reference server into an empty store, through
// the download run the guide uses (over loopback HTTP, staged and merged a round at a time),
// against a plain insert of the same records into an empty store in one transaction, in one run.
#include "accounts.h"
#include "fortystations.h"
#include "listingserver.h"
#include "protocol.h"
#include "store/store.h"
#include "sync/downloadrun.h"
#include "sync/fetcher.h"
#include "sync/listingimport.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace obzorka;

// Listings only: illustrations are another matter.
server::Listings withoutImages(server::Listings listings)
{
    listings.images.clear();
    for (server::Programme& programme : listings.programmes)
        programme.image1 = programme.image2 = QString();
    return listings;
}

// A fresh empty store, made outside the timed part.
void freshStore(benchmark::State& state, QTemporaryDir& folder, Store& store)
{
    state.PauseTiming();
    store.otevridb(folder.path(), nullptr);
    state.ResumeTiming();
}

void BM_FullPullThroughTheDownloadRun(benchmark::State& state)
{
    const server::Listings listings = withoutImages(bench::fortyStations());
    QTemporaryDir serverFolder;
    server::Accounts accounts(serverFolder.path() + QStringLiteral("/accounts.json"), true,
                              bench::stationNames(listings));
    server::ListingServer http(listings, accounts);
    http.bind(QStringLiteral("127.0.0.1"), 0);
    std::thread serving = http.runInBackground();
    qint64 records = 0;
    for (auto _ : state) {
        QTemporaryDir folder;
        Store store;
        freshStore(state, folder, store);
        const std::atomic<bool> stop{false};
        sync::Fetcher fetcher(stop);
        sync::RunSettings settings;
        settings.server = settings.imageServer = QStringLiteral("127.0.0.1:%1").arg(http.port());
        settings.name = settings.password = QStringLiteral("bench");
        settings.imageFolder = folder.path() + QStringLiteral("/bmp");
        records += sync::pln(store, fetcher, stop, settings).added;
    }
    state.counters["records"] =
        benchmark::Counter(double(records), benchmark::Counter::kAvgIterations);
    state.counters["records_per_s"] =
        benchmark::Counter(double(records), benchmark::Counter::kIsRate);
    http.stop();
    serving.join();
}
BENCHMARK(BM_FullPullThroughTheDownloadRun)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PlainInsertOfTheSameRecords(benchmark::State& state)
{
    const server::Listings listings = withoutImages(bench::fortyStations());
    QList<server::Programme> pulled;
    for (const server::Programme& programme : listings.programmes)
        if (programme.day >= QDate::currentDate().addDays(-1))
            pulled << programme;
    const sync::Records records = sync::parseRecords(server::protocol::records(pulled));
    for (auto _ : state) {
        QTemporaryDir folder;
        Store store;
        freshStore(state, folder, store);
        Store::Transaction plain(store);
        for (const QVariantList& row : records.rows)
            store.provedsql(
                QStringLiteral("INSERT INTO program VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                               "?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                row);
        plain.commit();
    }
    state.counters["records"] = double(records.rows.size());
}
BENCHMARK(BM_PlainInsertOfTheSameRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
