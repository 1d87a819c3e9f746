// A full pull from the reference server (40 stations, 14 days, every round of the guide's
// listing loop over loopback HTTP) against the same rounds' replies built without HTTP, in
// one run: what the server adds on top of making its replies.
#include "demolistings.h"
#include "manystations.h"
#include "paging.h"
#include "protocol.h"

#include <benchmark/benchmark.h>
#include <httplib.h>
#include <thread>

namespace {

using namespace obzorka::server;

struct Fixture : obzorka::bench::ManyStationsServer
{
    Fixture() : ManyStationsServer(40), index(listings.programmes) {}
    ListingIndex index;
};

Fixture& fixture()
{
    static Fixture shared;
    return shared;
}

// The posl the guide sends after a reply: every station with the last day it got.
QString nextPosl(const QList<Programme>& received, QMap<QString, QString>& held)
{
    for (const Programme& programme : received)
        held[programme.station] = protocol::dayText(programme.day);
    QString posl;
    for (auto it = held.constBegin(); it != held.constEnd(); ++it)
        posl += it.key() + u',' + it.value() + u';';
    return posl;
}

void BM_FullPullOverHttp(benchmark::State& state)
{
    httplib::Client client("127.0.0.1", fixture().server.port());
    qint64 records = 0;
    double slowest = 0;
    for (auto _ : state) {
        QString posl;
        QMap<QString, QString> held;
        for (;;) {
            const std::string path = "/program/gener.php?jmeno=bench&heslo=bench&verze=0.3&posl=" +
                                     protocol::encode(posl).toPercentEncoding().toStdString();
            const auto started = std::chrono::steady_clock::now();
            const auto reply = client.Get(path);
            slowest = std::max(slowest, std::chrono::duration<double, std::milli>(
                                            std::chrono::steady_clock::now() - started)
                                            .count());
            const QString body =
                protocol::decode(QByteArray::fromStdString(reply->body)).chopped(4);
            if (body.isEmpty())
                break;
            QList<Programme> received;
            for (const QString& record : body.split(QChar(protocol::recordSeparator))) {
                const QStringList fields = record.split(QChar(protocol::fieldSeparator));
                Programme programme;
                programme.station = fields.at(1);
                programme.day = protocol::parseDay(fields.at(2));
                received << programme;
                ++records;
            }
            posl = nextPosl(received, held);
        }
    }
    state.counters["records"] =
        benchmark::Counter(double(records), benchmark::Counter::kAvgIterations);
    state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_FullPullOverHttp)->Unit(benchmark::kMillisecond);

void BM_FullPullRepliesOnly(benchmark::State& state)
{
    const QStringList stations = obzorka::bench::stationNames(fixture().listings);
    const QDate yesterday = QDate::currentDate().addDays(-1);
    for (auto _ : state) {
        QMap<QString, QDate> held;
        for (;;) {
            const ProgrammeTable& programmes = fixture().listings.programmes;
            const QList<qsizetype> round = fixture().index.nextDays(stations, held, yesterday);
            benchmark::DoNotOptimize(programmes.records(round) + protocol::ok(QString()));
            if (round.isEmpty())
                break;
            for (const qsizetype row : round)
                held[programmes.station(row)] = programmes.day(row);
        }
    }
}
BENCHMARK(BM_FullPullRepliesOnly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
