#pragma once

// The listings of the benchmarks that need a full pull: the demo's 19 stations and copies of
// them under other names, as many stations as asked over 14 days.
#include "accounts.h"
#include "demolistings.h"
#include "listingserver.h"

#include <QStringList>
#include <QTemporaryDir>

namespace obzorka::bench {

inline server::Listings manyStations(int stations)
{
    server::Listings listings = server::demoListings(QDate::currentDate(), 3);
    const QList<server::Station> original = listings.stations;
    const QList<server::Programme> programmes = listings.programmes.all();
    for (int copy = 0; listings.stations.size() < stations; ++copy) {
        const server::Station& station = original.at(copy % original.size());
        const QString name = station.name + QStringLiteral(" %1").arg(copy + 2);
        listings.stations << server::Station{name, 6000 + copy};
        for (const server::Programme& programme : programmes) {
            if (programme.station != station.name)
                continue;
            server::Programme renamed = programme;
            renamed.station = name;
            renamed.id += qint64(copy + 1) << 32;
            listings.programmes << renamed;
        }
    }
    return listings;
}

inline QStringList stationNames(const server::Listings& listings)
{
    QStringList names;
    for (const server::Station& station : listings.stations)
        names << station.name;
    return names;
}

// The reference server on loopback serving that many stations, any name and password logging in.
struct ManyStationsServer
{
    explicit ManyStationsServer(int stations)
        : listings(manyStations(stations)), accounts(folder.path(), true, stationNames(listings)),
          server(listings, accounts)
    {
        server.bind(QStringLiteral("127.0.0.1"), 0);
        server.serveInBackground();
    }
    QTemporaryDir folder;
    server::Listings listings;
    server::Accounts accounts;
    server::ListingServer server;
};

} // namespace obzorka::bench
