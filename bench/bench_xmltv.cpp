// Loading a large XMLTV feed (300 channels × 14 days, about 136,000 programmes, 70 MB) into the
// listings the server serves, against QXmlStreamReader reading the same file and doing nothing with
// it, in one run. The load keeps the listings it read before while it reads, as a reload does, and
// reports the resident memory at its peak against the file's size.
#include "feedload.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

using namespace obzorka::server;

constexpr int channelCount = 300;
constexpr int dayCount = 14;

// One programme as grabbers write them, with credits and ratings the server does not serve.
void writeProgramme(QTextStream& out, int channel, const QDateTime& start, const QDateTime& stop,
                    int serial)
{
    const QString format = QStringLiteral("yyyyMMddHHmmss +0100");
    out << "  <programme start=\"" << start.toString(format) << "\" stop=\""
        << stop.toString(format) << "\" channel=\"ch" << channel << ".example\">\n"
        << "    <title lang=\"cs\">Pořad číslo " << serial % 5000 << "</title>\n"
        << "    <sub-title lang=\"cs\">Díl " << serial % 40 << "</sub-title>\n"
        << "    <desc lang=\"cs\">Příběh " << serial
        << " se odehrává v malém městě na Vysočině mezi starými přáteli.</desc>\n"
        << "    <credits><actor>Eva Dvořáková</actor></credits>\n"
        << "    <date>2019</date>\n"
        << "    <category lang=\"cs\">" << (serial % 3 ? "seriál" : "film") << "</category>\n"
        << "    <episode-num system=\"xmltv_ns\">1." << serial % 40 << ".</episode-num>\n"
        << "    <audio><stereo>stereo</stereo></audio>\n"
        << "  </programme>\n";
}

// The feed, written once for the whole run.
struct Feed
{
    Feed()
    {
        path = folder.path() + QStringLiteral("/feed.xml");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        QTextStream out(&file);
        out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tv>\n";
        for (int channel = 0; channel < channelCount; ++channel)
            out << "  <channel id=\"ch" << channel << ".example\"><display-name>Stanice " << channel
                << "</display-name></channel>\n";
        const QDateTime first(QDate(2026, 12, 7), QTime(6, 0), QTimeZone(3600));
        int serial = 0;
        for (int channel = 0; channel < channelCount; ++channel) {
            QDateTime start = first;
            const QDateTime end = first.addDays(dayCount);
            while (start < end) {
                const QDateTime stop = start.addSecs(60 * (25 + serial % 40));
                writeProgramme(out, channel, start, stop, serial++);
                start = stop;
            }
        }
        out << "</tv>\n";
        programmes = serial;
        out.flush();
        size = file.size();
        QFile map(folder.path() + QStringLiteral("/channels.txt"));
        map.open(QIODevice::WriteOnly);
        feeds = Feeds{{path}, map.fileName(), QTimeZone::utc()};
    }
    QTemporaryDir folder;
    QString path;
    qint64 size = 0;
    int programmes = 0;
    Feeds feeds;
};

Feed& feed()
{
    static Feed shared;
    return shared;
}

// The peak resident memory since the last reset, in bytes.
qint64 peakResident()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoll(line.substr(6)) * 1024;
    return 0;
}

void resetPeakResident()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void BM_BareReader(benchmark::State& state)
{
    for (auto _ : state) {
        QFile file(feed().path);
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader xml(&file);
        while (!xml.atEnd())
            xml.readNext();
        benchmark::DoNotOptimize(xml.hasError());
    }
}
BENCHMARK(BM_BareReader)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadFeed(benchmark::State& state)
{
    LoadReport report;
    QString error;
    std::optional<Listings> held = loadFeeds(feed().feeds, &report, &error);
    resetPeakResident();
    for (auto _ : state) {
        std::optional<Listings> fresh = loadFeeds(feed().feeds, &report, &error);
        benchmark::DoNotOptimize(fresh->programmes.size());
        state.PauseTiming();
        held = std::move(fresh);
        state.ResumeTiming();
    }
    state.counters["programmes"] = double(held->programmes.size());
    state.counters["file_MB"] = double(feed().size) / 1e6;
    state.counters["peak_resident_MB"] = double(peakResident()) / 1e6;
    state.counters["peak_per_file_size"] = double(peakResident()) / double(feed().size);
}
BENCHMARK(BM_LoadFeed)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
