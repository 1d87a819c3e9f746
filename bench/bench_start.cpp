// From launch to a shown window: the guide on the 50,400-entry store against a bare Qt window
// with one text pane, each a process of its own (bench/startprobe.cpp) that ends the moment its
// window is shown and painted, side by side in one run.
#include "bigstore.h"
#include "qtbenchmain.h"
#include "store/settings.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

using namespace obzorka;

void launch(benchmark::State& state, const QString& program, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (auto _ : state) {
        QProcess probe;
        probe.setProcessEnvironment(environment);
        probe.start(program, arguments);
        probe.waitForFinished(30000);
        if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
            state.SkipWithError("the window did not show");
    }
}

void BM_GuideStart(benchmark::State& state)
{
    QTemporaryDir folder;
    {
        store::Store store;
        store.otevridb(folder.path(), nullptr);
        bench::fillBigStore(store);
        store::Settings(store).writeAccount(QStringLiteral("bench"), QStringLiteral("bench"));
    }
    launch(state, QStringLiteral(START_PROBE_GUIDE), {folder.path()});
}
BENCHMARK(BM_GuideStart)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

void BM_BareWindowWithOneTextPane(benchmark::State& state)
{
    launch(state, QStringLiteral(START_PROBE_BARE), {});
}
BENCHMARK(BM_BareWindowWithOneTextPane)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return obzorka::bench::runWithQt(argc, argv);
}
