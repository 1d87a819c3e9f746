#include "entries.h"
#include "scratch.h"

#include "xmltv.h"

#include <QBuffer>
#include <QFile>
#include <QSet>

namespace obzorka::fuzz {
namespace {

using namespace obzorka::server;

QString checkProgramme(const Programme& programme, const QSet<QString>& stations)
{
    if (!stations.contains(programme.station))
        return QStringLiteral("a programme of a station not in the listings");
    if (!programme.day.isValid() || programme.hod1 < 6 || programme.hod1 > 29)
        return QStringLiteral("a start outside its broadcast day");
    if (programme.min1 < 0 || programme.min1 > 59 || programme.min2 < 0 || programme.min2 > 59)
        return QStringLiteral("minutes outside the hour");
    if (!fitsTheWire(programme.title) || !fitsTheWire(programme.info1) ||
        !fitsTheWire(programme.info2))
        return QStringLiteral("a programme text would break the wire");
    return {};
}

QString checkListings(const Listings& listings)
{
    QSet<QString> stations;
    for (const Station& station : listings.stations) {
        if (station.name.isEmpty() || !fitsTheWire(station.name))
            return QStringLiteral("a station name that is empty or would break the wire");
        stations.insert(station.name);
    }
    if (stations.size() != listings.stations.size())
        return QStringLiteral("a station listed twice");
    QSet<qint64> ids;
    for (const Programme& programme : listings.programmes) {
        if (programme.id == 0 || ids.contains(programme.id))
            return QStringLiteral("a programme id that is zero or taken");
        ids.insert(programme.id);
        const QString broken = checkProgramme(programme, stations);
        if (!broken.isEmpty())
            return broken;
    }
    return {};
}

} // namespace

// Reads the document into the listings; false with the reason when it is refused.
bool read(QByteArray xml, const ChannelMap& map, Listings* listings, QString* error)
{
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    FeedReport report;
    return readXmltv(&buffer, map, QTimeZone::utc(), listings, &report, error);
}

QString xmltvDocument(QByteArrayView input)
{
    const QByteArray xml = input.toByteArray();
    ChannelMap map;
    map.byChannel.insert(QStringLiteral("ct1.cz"), {QStringLiteral("ČT1"), 1});
    Listings listings;
    listings.stations << Station{QStringLiteral("Nova"), 2};
    QString error;
    if (!read(xml, map, &listings, &error))
        return error.isEmpty() ? QStringLiteral("a refused document gave no reason") : QString();
    const QString broken = checkListings(listings);
    if (!broken.isEmpty())
        return broken;
    const qsizetype stations = listings.stations.size();
    const qsizetype programmes = listings.programmes.size();
    if (!read(xml, map, &listings, &error) || listings.stations.size() != stations ||
        listings.programmes.size() != programmes)
        return QStringLiteral("reading the document again added to the listings");
    return {};
}

QString channelMap(QByteArrayView input)
{
    const QString path = scratchFolder() + QStringLiteral("/kanaly.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(input.data(), input.size()) != input.size())
        return QStringLiteral("the map file cannot be written");
    file.close();
    ChannelMap map;
    map.byChannel.insert(QStringLiteral("stary"), {QStringLiteral("Starý"), 7});
    QString error;
    if (!readChannelMap(path, &map, &error)) {
        if (error.isEmpty())
            return QStringLiteral("a refused map gave no reason");
        if (map.byChannel.size() != 1 || !map.byChannel.contains(QStringLiteral("stary")))
            return QStringLiteral("a refused map replaced the one before");
        return {};
    }
    for (auto it = map.byChannel.cbegin(); it != map.byChannel.cend(); ++it) {
        if (it.key().isEmpty() || it.key() != it.key().trimmed())
            return QStringLiteral("a channel that is empty or has blanks around");
        if (it->name.isEmpty() || !fitsTheWire(it->name) || it->number <= 0)
            return QStringLiteral("a station without a name that fits the wire or a number");
    }
    return {};
}

} // namespace obzorka::fuzz
