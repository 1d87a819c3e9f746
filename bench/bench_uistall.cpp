// The window's thread while a full pull of 40 stations × 14 days with their illustrations runs
// on the download worker: the longest time it could not answer an event (and, apart, the page
// build that shows the listings once the run ends), against the longest stall of the same
// window standing idle, in one run.
#include "accounts.h"
#include "gui/main/application.h"
#include "gui/main/mainwindow.h"
#include "listingserver.h"
#include "manystations.h"
#include "store/settings.h"
#include "store/store.h"
#include "windowbenchmain.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <array>

namespace {

using namespace obzorka;

// The longest gaps between the ticks of a 1 ms timer on the window's thread, in milliseconds,
// for each phase that `phase` names (0 or 1) until it gives -1. A gap counts for the phase in
// which it ends, asked as it ends: the slot that ends a run and shows its results is a gap of
// the results, not of the run.
std::array<double, 2> longestStalls(const std::function<int()>& phase)
{
    QElapsedTimer clock;
    qint64 last = 0;
    std::array<qint64, 2> longest{};
    int now = phase();
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 at = clock.nsecsElapsed();
        if ((now = phase()) >= 0)
            longest[size_t(now)] = std::max(longest[size_t(now)], at - last);
        last = at;
    });
    clock.start();
    tick.start();
    while (now >= 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return {double(longest[0]) / 1e6, double(longest[1]) / 1e6};
}

// The guide on a fresh data folder with an account, pointed at the server.
std::unique_ptr<gui::Application> guideFor(const QString& folder, int port)
{
    {
        store::Store store;
        store.otevridb(folder, nullptr);
        store::Settings(store).writeAccount(QStringLiteral("bench"), QStringLiteral("bench"));
    }
    app::Options options;
    options.dataFolder = folder;
    options.server = options.imageServer = QStringLiteral("127.0.0.1:%1").arg(port);
    const auto ignore = [](const QString&) {};
    return std::make_unique<gui::Application>(options, ignore, ignore);
}

void BM_WindowDuringAFullPullWithImages(benchmark::State& state)
{
    const server::Listings listings = bench::manyStations(40);
    QTemporaryDir serverFolder;
    server::Accounts accounts(serverFolder.path(), true, bench::stationNames(listings));
    server::ListingServer http(listings, accounts);
    http.bind(QStringLiteral("127.0.0.1"), 0);
    http.serveInBackground();
    std::array<double, 2> longest{};
    for (auto _ : state) {
        QTemporaryDir folder;
        auto guide = guideFor(folder.path(), http.port());
        if (!bench::startGuide(*guide)) { // behind its first frame a run starts on the worker
            state.SkipWithError("the guide did not start");
            break;
        }
        // After the run the window shows what it brought: that page build is measured apart.
        QElapsedTimer sinceDone;
        const auto stalls = longestStalls([&] {
            if (guide->downloading())
                return 0;
            if (!sinceDone.isValid())
                sinceDone.start();
            return sinceDone.elapsed() < 300 ? 1 : -1;
        });
        for (size_t phase = 0; phase < longest.size(); ++phase)
            longest[phase] = std::max(longest[phase], stalls[phase]);
        guide->mainWindow()->close();
    }
    state.counters["longest_stall_ms"] = longest[0];
    state.counters["showing_results_ms"] = longest[1];
}
BENCHMARK(BM_WindowDuringAFullPullWithImages)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WindowStandingIdle(benchmark::State& state)
{
    double longest = 0;
    for (auto _ : state) {
        QTemporaryDir folder;
        auto guide = guideFor(folder.path(), 1); // nothing answers there: the run ends at once
        if (!bench::startGuide(*guide)) {
            state.SkipWithError("the guide did not start");
            break;
        }
        QElapsedTimer idle;
        idle.start();
        longest =
            std::max(longest, longestStalls([&] { return idle.elapsed() < 1500 ? 0 : -1; })[0]);
        guide->mainWindow()->close();
    }
    state.counters["longest_stall_ms"] = longest;
}
BENCHMARK(BM_WindowStandingIdle)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    return obzorka::bench::runWithWindows(argc, argv);
}
