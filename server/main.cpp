#include "accountcommand.h"
#include "accounts.h"
#include "demolistings.h"
#include "feedwatch.h"
#include "listingserver.h"
#include "serveroptions.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <csignal>
#include <cstdio>

namespace {

using namespace obzorka::server;

void say(const QString& line, bool problem)
{
    std::fprintf(problem ? stderr : stdout, "%s\n", qUtf8Printable(line));
    std::fflush(problem ? stderr : stdout);
}

// The signals the server answers, taken by one thread of their own rather than by handlers that may
// interrupt any thread anywhere.
sigset_t answeredSignals()
{
    sigset_t answered;
    sigemptyset(&answered);
    sigaddset(&answered, SIGHUP);
    sigaddset(&answered, SIGINT);
    sigaddset(&answered, SIGTERM);
    return answered;
}

// Until SIGINT or SIGTERM stops the server: a look at the operator's files every minute and at each
// SIGHUP.
void answerSignals(ListingServer& server, FeedWatch* watch)
{
    const sigset_t answered = answeredSignals();
    const timespec minute{60, 0};
    for (;;) {
        const int caught = sigtimedwait(&answered, nullptr, &minute);
        if (caught == SIGINT || caught == SIGTERM) {
            // A client that keeps a request open by dripping does not hold the end back.
            if (!server.stopAndWait(std::chrono::milliseconds(800)))
                std::_Exit(0);
            return;
        }
        if (watch && (caught == SIGHUP || (caught < 0 && errno == EAGAIN)))
            watch->reloadIfChanged(server);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (QCoreApplication::arguments().value(1) == u"account")
        return runAccountCommand(QCoreApplication::arguments());
    const ServerOptions options = parseServerOptions(QCoreApplication::arguments());
    if (options.help) {
        std::fputs(qUtf8Printable(serverUsage()), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("obzorka-server %s\n", OBZORKA_VERSION);
        return 0;
    }
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", qUtf8Printable(options.error),
                     qUtf8Printable(serverUsage()));
        return 2;
    }
    // Blocked before any thread starts, so that every thread leaves them to the one that waits.
    const sigset_t answered = answeredSignals();
    pthread_sigmask(SIG_BLOCK, &answered, nullptr);

    std::optional<FeedWatch> watch;
    std::optional<Listings> listings;
    if (options.demo) {
        listings = demoListings(QDate::currentDate(), options.seed);
    } else {
        watch.emplace(Feeds{options.xmltvFiles, options.channelMap, unzonedTimes(options)}, say);
        listings = watch->load();
        if (!listings)
            return 1;
    }
    QStringList defaults;
    for (qsizetype i = 0; i < std::min<qsizetype>(8, listings->stations.size()); ++i)
        defaults << listings->stations.at(i).name;
    QDir().mkpath(options.dataFolder);
    Accounts accounts(options.dataFolder, options.demo, defaults);
    if (!accounts.problem().isEmpty()) {
        say(accounts.problem(), true);
        return 1;
    }

    ListingServer server(std::move(*listings), accounts);
    server.setLog([](const QString& line) { say(line, false); });
    if (!server.bind(options.listen, options.port)) {
        say(QStringLiteral("Na adrese %1:%2 nelze naslouchat.")
                .arg(options.listen)
                .arg(options.port),
            true);
        return 1;
    }
    say(QStringLiteral("obzorka-server naslouchá na http://%1:%2/program")
            .arg(options.listen)
            .arg(server.port()),
        false);
    server.serveInBackground();
    answerSignals(server, watch ? &*watch : nullptr);
    return 0;
}
