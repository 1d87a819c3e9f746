#include "accounts.h"
#include "demolistings.h"
#include "listingserver.h"
#include "serveroptions.h"
#include "xmltv.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <csignal>
#include <cstdio>

namespace {

obzorka::server::ListingServer* running = nullptr;

void stopServing(int)
{
    if (running)
        running->stop();
}

bool loadXmltv(const obzorka::server::ServerOptions& options, obzorka::server::Listings* listings,
               QString* error)
{
    obzorka::server::ChannelMap map;
    if (!obzorka::server::readChannelMap(options.channelMap, &map, error))
        return false;
    for (const QString& path : options.xmltvFiles) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("Soubor „%1“ nelze číst: %2").arg(path, file.errorString());
            return false;
        }
        if (!obzorka::server::readXmltv(file.readAll(), map, listings, error))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    using namespace obzorka::server;
    const ServerOptions options = parseServerOptions(QCoreApplication::arguments());
    if (options.help) {
        std::fputs(qUtf8Printable(serverUsage()), stdout);
        return 0;
    }
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", qUtf8Printable(options.error),
                     qUtf8Printable(serverUsage()));
        return 2;
    }

    QString error;
    Listings listings;
    if (options.demo)
        listings = demoListings(QDate::currentDate(), options.seed);
    else if (!loadXmltv(options, &listings, &error)) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(error));
        return 1;
    }
    QStringList defaults;
    for (qsizetype i = 0; i < std::min<qsizetype>(8, listings.stations.size()); ++i)
        defaults << listings.stations.at(i).name;
    QDir().mkpath(options.dataFolder);
    Accounts accounts(options.dataFolder + QStringLiteral("/accounts.json"), options.demo,
                      defaults);
    if (!accounts.load(&error)) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(error));
        return 1;
    }

    ListingServer server(std::move(listings), accounts);
    if (!server.bind(options.listen, options.port)) {
        std::fprintf(stderr, "Na adrese %s:%d nelze naslouchat.\n", qUtf8Printable(options.listen),
                     options.port);
        return 1;
    }
    std::printf("obzorka-server naslouchá na http://%s:%d/program\n",
                qUtf8Printable(options.listen), server.port());
    std::fflush(stdout);
    running = &server;
    std::signal(SIGINT, stopServing);
    std::signal(SIGTERM, stopServing);
    server.run();
    running = nullptr;
    return 0;
}
