// The reference server under load: 64 guides pulling all their listings at once against one
// guide alone (replies per second, median and 99th percentile of a reply), and a guide's login
// while 8 or 64 clients keep connections open dripping a byte at a time, against no such
// clients, in one run.
#include "manystations.h"
#include "protocol.h"

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace obzorka::server;
using Clock = std::chrono::steady_clock;

obzorka::bench::ManyStationsServer& fixture()
{
    static obzorka::bench::ManyStationsServer shared(40);
    return shared;
}

std::string guidePath(const char* script, const QString& posl = {})
{
    return std::string("/program/") + script + "?jmeno=bench&heslo=bench&verze=0.3&posl=" +
           protocol::encode(posl).toPercentEncoding().toStdString();
}

// The requests of one guide's whole pull, round after round until the server has nothing
// more: found once, by a guide that reads the replies.
const std::vector<std::string>& pullTargets()
{
    static const std::vector<std::string> targets = [] {
        httplib::Client client("127.0.0.1", fixture().server.port());
        std::vector<std::string> asked;
        QMap<QString, QString> held;
        for (;;) {
            QString posl;
            for (auto it = held.constBegin(); it != held.constEnd(); ++it)
                posl += it.key() + u',' + it.value() + u';';
            asked.push_back(guidePath("gener.php", posl));
            const auto reply = client.Get(asked.back());
            if (!reply || reply->body.size() <= 4)
                return asked;
            const QString body =
                protocol::decode(QByteArray::fromStdString(reply->body)).chopped(4);
            for (const QString& record : body.split(QChar(protocol::recordSeparator))) {
                const QStringList fields = record.split(QChar(protocol::fieldSeparator));
                held[fields.value(1)] = fields.value(2);
            }
        }
    }();
    return targets;
}

// One guide's whole pull; the time of each reply in milliseconds.
std::vector<double> fullPull()
{
    httplib::Client client("127.0.0.1", fixture().server.port());
    std::vector<double> took;
    for (const std::string& target : pullTargets()) {
        const auto started = Clock::now();
        benchmark::DoNotOptimize(client.Get(target));
        took.push_back(std::chrono::duration<double, std::milli>(Clock::now() - started).count());
    }
    return took;
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[size_t(share * double(values.size() - 1))];
}

void report(benchmark::State& state, const std::vector<double>& took, double seconds)
{
    state.counters["replies_per_s"] = double(took.size()) / seconds;
    state.counters["p50_ms"] = percentile(took, 0.5);
    state.counters["p99_ms"] = percentile(took, 0.99);
}

// Guides pulling at once, as many as the argument.
void BM_GuidesPullingAtOnce(benchmark::State& state)
{
    pullTargets(); // the account is made and its password remembered before the timing
    std::vector<double> took;
    double seconds = 0;
    for (auto _ : state) {
        std::vector<std::vector<double>> each(size_t(state.range(0)));
        const auto started = Clock::now();
        std::vector<std::thread> guides;
        for (auto& times : each)
            guides.emplace_back([&times] { times = fullPull(); });
        for (std::thread& guide : guides)
            guide.join();
        seconds += std::chrono::duration<double>(Clock::now() - started).count();
        for (const auto& times : each)
            took.insert(took.end(), times.begin(), times.end());
    }
    report(state, took, seconds);
}
BENCHMARK(BM_GuidesPullingAtOnce)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond)->UseRealTime();

// Connections that have sent half a request and add a byte every half second, as many as the
// argument, while a guide logs in again and again.
void BM_LoginBesideDrippingClients(benchmark::State& state)
{
    pullTargets();
    std::atomic<bool> done{false};
    std::vector<std::thread> drippers;
    for (int i = 0; i < state.range(0); ++i)
        drippers.emplace_back([&done] {
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_port = htons(quint16(fixture().server.port()));
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
            ::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
            ::send(socket, "GET /program/tvdost.php HTTP/1.1\r\n", 34, MSG_NOSIGNAL);
            while (!done && ::send(socket, "X", 1, MSG_NOSIGNAL) == 1)
                std::this_thread::sleep_for(std::chrono::milliseconds(500));
            ::close(socket);
        });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    httplib::Client client("127.0.0.1", fixture().server.port());
    std::vector<double> took;
    for (auto _ : state) {
        const auto started = Clock::now();
        benchmark::DoNotOptimize(client.Get(guidePath("tvdost.php")));
        took.push_back(std::chrono::duration<double, std::milli>(Clock::now() - started).count());
    }
    done = true;
    for (std::thread& dripper : drippers)
        dripper.join();
    state.counters["p50_ms"] = percentile(took, 0.5);
    state.counters["max_ms"] = percentile(took, 1.0);
}
BENCHMARK(BM_LoginBesideDrippingClients)->Arg(0)->Arg(8)->Arg(64)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
