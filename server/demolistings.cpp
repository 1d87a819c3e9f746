#include "demolistings.h"

#include "demobanners.h"
#include "demopictures.h"
#include "demoschedule.h"
#include "demotables.h"

namespace obzorka::server {

Listings demoListings(QDate today, quint32 seed)
{
    constexpr int broadcastDays = 14;
    Listings listings;
    for (const demo::StationInfo& station : demo::stations())
        listings.stations.append({QString::fromUtf8(station.name), station.number});
    for (int offset = -1; offset < broadcastDays - 1; ++offset) {
        for (int station = 0; station < int(demo::stations().size()); ++station)
            listings.programmes += demo::stationDay(station, today.addDays(offset), seed);
    }
    listings.changes += demo::changes(listings.programmes, today, seed);
    listings.message = QStringLiteral(
        "Vítejte v Obzorce! Server zatím běží s ukázkovými daty, takže pořady jako "
        "„Rock'n'roll v Jablonci“ jsou smyšlené. Skutečný program sem nahraje provozovatel.");
    listings.banners = demo::banners(today);
    for (int number = 1; number <= demo::illustrationCount; ++number)
        listings.images.insert(demo::illustrationName(number), demo::illustration(number, seed));
    return listings;
}

} // namespace obzorka::server
