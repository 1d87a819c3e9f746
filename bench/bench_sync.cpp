// A full pull of 72 stations × 14 days from the reference server into an empty store, end to end
// through `obzorka --sync-once` and through the download run alone (over loopback HTTP, merged
// a round at a time while the next is fetched), against a plain insert of the same records into
// an empty store in one transaction, in one run.
#include "accounts.h"
#include "listingserver.h"
#include "manystations.h"
#include "protocol.h"
#include "qtbenchmain.h"
#include "store/store.h"
#include "sync/downloadrun.h"
#include "sync/fetcher.h"
#include "sync/listingimport.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

using namespace obzorka;

// 72 stations over the pulled 15 days: about 25,000 records, a large user's whole pull.
constexpr int stationCount = 72;

// Listings only: illustrations are another matter.
server::Listings withoutImages(server::Listings listings)
{
    listings.images.clear();
    const QList<server::Programme> programmes = listings.programmes.all();
    listings.programmes = {};
    for (server::Programme programme : programmes) {
        programme.image1 = programme.image2 = QString();
        listings.programmes << programme;
    }
    return listings;
}

// A fresh empty store, made outside the timed part.
void freshStore(benchmark::State& state, QTemporaryDir& folder, store::Store& store)
{
    state.PauseTiming();
    store.otevridb(folder.path(), nullptr);
    state.ResumeTiming();
}

// The reference server on loopback with the forty stations.
struct ServedListings
{
    ServedListings()
        : listings(withoutImages(bench::manyStations(stationCount))),
          accounts(folder.path(), true, bench::stationNames(listings)), http(listings, accounts)
    {
        http.bind(QStringLiteral("127.0.0.1"), 0);
        http.serveInBackground();
    }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(http.port()); }

    QTemporaryDir folder;
    server::Listings listings;
    server::Accounts accounts;
    server::ListingServer http;
};

// One server for every pull of the run: its first replies are packed afresh, the later ones
// come from what it keeps, and that first pull is one of nine, which the median leaves out.
const ServedListings& served()
{
    static const ServedListings listings;
    return listings;
}

void recordsPerSecond(benchmark::State& state, qint64 records)
{
    state.counters["records"] =
        benchmark::Counter(double(records), benchmark::Counter::kAvgIterations);
    state.counters["records_per_s"] =
        benchmark::Counter(double(records), benchmark::Counter::kIsRate);
}

void BM_FullPullThroughSyncOnce(benchmark::State& state)
{
    const QString server = served().address(); // made outside the timed part
    qint64 records = 0;
    for (auto _ : state) {
        QTemporaryDir folder;
        QProcess guide;
        guide.start(QStringLiteral(OBZORKA_BINARY),
                    {QStringLiteral("--data-dir"), folder.path(), QStringLiteral("--server"),
                     server, QStringLiteral("--image-server"), server,
                     QStringLiteral("--sync-once"), QStringLiteral("--user"),
                     QStringLiteral("bench"), QStringLiteral("--password"),
                     QStringLiteral("bench")});
        if (!guide.waitForFinished(60000) || guide.exitCode() != 0) {
            state.SkipWithError("obzorka --sync-once failed");
            break;
        }
        // "Stanice: 40, nové pořady: N, …"
        records += QString::fromUtf8(guide.readAllStandardOutput())
                       .section(QLatin1Char(','), 1, 1)
                       .section(QLatin1Char(':'), 1)
                       .trimmed()
                       .toLongLong();
    }
    recordsPerSecond(state, records);
}
// Nine pulls of each, interleaved with the baseline's (see main).
void pulls(benchmark::internal::Benchmark* benchmark)
{
    bench::repeatedRuns(benchmark, 9);
    benchmark->UseRealTime();
}
BENCHMARK(BM_FullPullThroughSyncOnce)->Apply(pulls);

void BM_FullPullThroughTheDownloadRun(benchmark::State& state)
{
    const QString server = served().address();
    qint64 records = 0;
    for (auto _ : state) {
        QTemporaryDir folder;
        store::Store store;
        freshStore(state, folder, store);
        const std::atomic<bool> stop{false};
        sync::Fetcher fetcher(stop);
        sync::RunSettings settings;
        settings.server = settings.imageServer = server;
        settings.name = settings.password = QStringLiteral("bench");
        settings.imageFolder = folder.path() + QStringLiteral("/bmp");
        records += sync::pln(store, fetcher, stop, settings).added;
    }
    recordsPerSecond(state, records);
}
BENCHMARK(BM_FullPullThroughTheDownloadRun)->Apply(pulls);

void BM_PlainInsertOfTheSameRecords(benchmark::State& state)
{
    const server::Listings listings = withoutImages(bench::manyStations(stationCount));
    QList<qsizetype> pulled;
    for (qsizetype row = 0; row < listings.programmes.size(); ++row)
        if (listings.programmes.day(row) >= QDate::currentDate().addDays(-1))
            pulled << row;
    const sync::Records records =
        sync::parseRecords(server::protocol::decode(listings.programmes.records(pulled)));
    for (auto _ : state) {
        QTemporaryDir folder;
        store::Store store;
        freshStore(state, folder, store);
        store::Store::Transaction plain(store);
        for (const QVariantList& row : records.rows)
            store.provedsql(
                QStringLiteral("INSERT INTO program VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                               "?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                row);
        plain.commit();
    }
    state.counters["records"] = double(records.rows.size());
}
BENCHMARK(BM_PlainInsertOfTheSameRecords)->Apply(pulls);

} // namespace

int main(int argc, char** argv)
{
    return obzorka::bench::runInterleavedWithQt(argc, argv);
}
