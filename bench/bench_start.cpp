// From launch to the first frame on the screen: the guide on the 50,400-entry store against a
// bare Qt window with one text pane, each a process of its own (bench/startprobe.cpp) that tells
// the moment of its first frame, side by side in one run. On the display the session has, as a
// user starts it (Xvfb will do); offscreen when there is none.
#include "bigstore.h"
#include "qtbenchmain.h"
#include "store/datafolder.h"
#include "store/settings.h"

#include <QProcess>
#include <QTemporaryDir>
#include <chrono>

namespace {

using namespace obzorka;

void launch(benchmark::State& state, const QString& program, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const bool display = environment.contains(QStringLiteral("DISPLAY")) ||
                         environment.contains(QStringLiteral("WAYLAND_DISPLAY"));
    if (!display && !environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    state.SetLabel(environment.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("display"))
                       .toStdString());
    for (auto _ : state) {
        QProcess probe;
        probe.setProcessEnvironment(environment);
        const auto launched = std::chrono::steady_clock::now().time_since_epoch();
        probe.start(program, arguments);
        probe.waitForFinished(30000);
        bool told = false;
        const qint64 firstFrame = probe.readAllStandardOutput().trimmed().toLongLong(&told);
        if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0 || !told) {
            state.SkipWithError("the window did not show");
            break;
        }
        const auto took = std::chrono::nanoseconds(firstFrame) - launched;
        state.SetIterationTime(std::chrono::duration<double>(took).count());
    }
}

// The store every repetition starts on, made once: the guide has put its installed files in
// the folder, as on every start but a new folder's first.
const QString& bigStoreFolder()
{
    static const QTemporaryDir folder;
    static const bool filled = [] {
        store::Store store;
        store.otevridb(folder.path(), nullptr);
        bench::fillBigStore(store);
        store::Settings(store).writeAccount(QStringLiteral("bench"), QStringLiteral("bench"));
        QString problem;
        return store::installFiles(folder.path(), &problem);
    }();
    static const QString path = filled ? folder.path() : QString();
    return path;
}

void BM_GuideStart(benchmark::State& state)
{
    launch(state, QStringLiteral(START_PROBE_GUIDE), {bigStoreFolder()});
}

// 40 launches of each, the two interleaved (see main); the median leaves the odd outlier out.
void launches(benchmark::internal::Benchmark* benchmark)
{
    bench::repeatedRuns(benchmark, 40);
    benchmark->UseManualTime();
}
BENCHMARK(BM_GuideStart)->Apply(launches);

void BM_BareWindowWithOneTextPane(benchmark::State& state)
{
    launch(state, QStringLiteral(START_PROBE_BARE), {});
}
BENCHMARK(BM_BareWindowWithOneTextPane)->Apply(launches);

} // namespace

int main(int argc, char** argv)
{
    return obzorka::bench::runInterleavedWithQt(argc, argv);
}
