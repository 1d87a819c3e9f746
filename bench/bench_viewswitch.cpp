// Switching the classic view on the 50,400-entry store, as the window does it: a page button,
// the day, the programme type, each stepping back and forth as a user looks around, with the
// pause of a user reading between switches, in which the window prepares the grids one click
// away. Each switch is timed from the click to the pane painted; against the pane showing a
// one-line page, in one run. Median and worst of 50 switches. Where an unprepared switch goes
// is measured apart: the page text (queries and markup) and the pane taking it (setHtml).
#include "bigstore.h"
#include "gui/guide/classicpanel.h"
#include "gui/guide/guidecontroller.h"
#include "gui/guide/pane.h"
#include "gui/main/application.h"
#include "gui/main/mainwindow.h"
#include "store/settings.h"
#include "windowbenchmain.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>

namespace {

using namespace obzorka;

constexpr int switches = 50;

// The guide on a data folder holding the big store, its window shown; nothing answers at the
// server's address, so no download runs.
struct Guide
{
    Guide()
    {
        {
            store::Store store;
            store.otevridb(folder.path(), nullptr);
            bench::fillBigStore(store);
            store::Settings(store).writeAccount(QStringLiteral("bench"), QStringLiteral("bench"));
        }
        app::Options options;
        options.dataFolder = folder.path();
        options.server = options.imageServer = QStringLiteral("127.0.0.1:1");
        const auto ignore = [](const QString&) {};
        application = std::make_unique<gui::Application>(options, ignore, ignore);
        if (!bench::startGuide(*application))
            qFatal("the guide did not start");
    }
    gui::MainWindow& window() const { return *application->mainWindow(); }
    gui::Pane& pane() const { return *window().mainPane(); }
    // The user reads: the window prepares what it prepares between clicks.
    void pause() const
    {
        QCoreApplication::processEvents();
        while (application->controller()->preparing())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    QTemporaryDir folder;
    std::unique_ptr<gui::Application> application;
};

std::unique_ptr<Guide> shared;

// Made at first use, and gone before the application object it needs.
Guide& guide()
{
    if (!shared) {
        shared = std::make_unique<Guide>();
        qAddPostRoutine([] { shared.reset(); });
    }
    return *shared;
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + long(values.size() / 2), values.end());
    return values.at(values.size() / 2);
}

double msSince(const QElapsedTimer& clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

// 0, 1, … n − 1, n − 2, … 1, 0, 1, …: a chooser stepped back and forth.
int backAndForth(int i, int n)
{
    const int period = 2 * (n - 1);
    const int step = i % period;
    return step < n ? step : period - step;
}

// Runs `switchTo(i)` for each switch and paints the pane in front at once, as the next frame
// would, then pauses as a user does.
void timeSwitches(benchmark::State& state, const std::function<void(int)>& switchTo)
{
    std::vector<double> whole, paint;
    for (auto _ : state) {
        for (int i = 0; i < switches; ++i) {
            guide().pause();
            QElapsedTimer clock;
            clock.start();
            switchTo(i);
            const double shown = msSince(clock);
            guide().pane().viewport()->repaint();
            whole.push_back(msSince(clock));
            paint.push_back(whole.back() - shown);
        }
    }
    state.counters["median_ms"] = median(whole);
    state.counters["worst_ms"] = *std::max_element(whole.begin(), whole.end());
    state.counters["layout_paint_median_ms"] = median(paint);
}

// A chooser set as the user sets it: its index, then the signal a click sends.
void choose(QComboBox* chooser, int index)
{
    chooser->setCurrentIndex(index);
    emit chooser->activated(index);
}

void BM_PageButton(benchmark::State& state)
{
    timeSwitches(state, [](int i) {
        guide().application->controller()->choosePage(1 + backAndForth(i + 1, 4));
    });
}
BENCHMARK(BM_PageButton)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Day(benchmark::State& state)
{
    QComboBox* day = guide().window().classic()->day();
    timeSwitches(state, [day](int i) { choose(day, 1 + backAndForth(i + 1, 7)); });
}
BENCHMARK(BM_Day)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Type(benchmark::State& state)
{
    QComboBox* type = guide().window().classic()->type();
    timeSwitches(state, [type](int i) { choose(type, backAndForth(i + 1, type->count())); });
    choose(type, 0);
}
BENCHMARK(BM_Type)->Unit(benchmark::kMillisecond)->Iterations(1);

// Where a page-button switch goes: the page text of the grid, then the pane taking that text.
void BM_PageTextAndSetHtml(benchmark::State& state)
{
    gui::GuideController& controller = *guide().application->controller();
    const pages::PageContext context = controller.pageContext();
    std::vector<double> text, taken;
    for (auto _ : state) {
        for (int i = 0; i < switches; ++i) {
            QElapsedTimer clock;
            clock.start();
            QStringList stations;
            for (int slot = 1; slot <= 4; ++slot)
                stations << QStringLiteral("Stanice %1").arg(4 * (i % 4) + slot);
            const QString page = pages::genertabulku(context, bench::today, QStringLiteral("Vše"),
                                                     QStringLiteral("Začátku"),
                                                     QStringLiteral("Konce"), stations, false);
            text.push_back(msSince(clock));
            clock.restart();
            guide().pane().showPage(page);
            taken.push_back(msSince(clock));
        }
    }
    state.counters["page_text_median_ms"] = median(text);
    state.counters["set_html_median_ms"] = median(taken);
}
BENCHMARK(BM_PageTextAndSetHtml)->Unit(benchmark::kMillisecond)->Iterations(1);

// The baseline: the same pane showing a one-line page.
void BM_OneLinePage(benchmark::State& state)
{
    timeSwitches(state, [](int i) {
        guide().pane().showPage(QStringLiteral("<HTML><BODY>Řádek %1</BODY></HTML>").arg(i));
    });
}
BENCHMARK(BM_OneLinePage)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    return obzorka::bench::runWithWindows(argc, argv);
}
