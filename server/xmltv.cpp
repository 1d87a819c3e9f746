#include "xmltv.h"

#include "protocol.h"
#include "xmltvdocument.h"

#include <QCryptographicHash>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <optional>

namespace obzorka::server {
namespace {

using xmltv::LangText;
using xmltv::RawChannel;
using xmltv::RawProgramme;

// The broadcast day begins at this local hour; earlier programmes belong to the day before.
constexpr int dayStartHour = 6;
// Stations the channel map does not know are numbered from here: "Jiné zahraniční".
constexpr int firstForeignNumber = 5000;
// How long the last programme of a channel runs when the document gives no stop.
constexpr qint64 defaultLengthSecs = 60 * 60;
// Ids stay below 2^47, well within what a double holds exactly.
constexpr quint64 idMask = (quint64(1) << 47) - 1;

// "|" and the characters 18 and 19 separate fields and records on the wire.
QString wireSafe(QString text)
{
    text.replace(u'|', u'/');
    text.remove(QChar(18));
    text.remove(QChar(19));
    return text.trimmed();
}

bool isCzech(const QString& lang)
{
    return lang.compare(u"cs", Qt::CaseInsensitive) == 0 ||
           lang.startsWith(u"cs-", Qt::CaseInsensitive) ||
           lang.startsWith(u"cs_", Qt::CaseInsensitive);
}

QString preferred(const QList<LangText>& texts)
{
    for (const LangText& text : texts) {
        if (isCzech(text.lang))
            return text.text;
    }
    return texts.isEmpty() ? QString() : texts.first().text;
}

QDate broadcastDay(const QDateTime& local)
{
    return local.time().hour() < dayStartHour ? local.date().addDays(-1) : local.date();
}

int hoursFrom(const QDate& day, const QDateTime& local)
{
    return int(day.daysTo(local.date())) * 24 + local.time().hour();
}

qint64 programmeId(const QString& channel, const QDateTime& start)
{
    const QString key = channel % u'|' % start.toUTC().toString(QStringLiteral("yyyyMMddHHmmss"));
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1);
    quint64 value = 0;
    for (int i = 0; i < 6; ++i)
        value = (value << 8) | quint8(hash.at(i));
    value &= idMask;
    // Zero would read as no id at all.
    return value == 0 ? 1 : qint64(value);
}

// Matched word by word, so "Feature film", "Talk show" and "Film - komedie" are found too.
QChar categoryType(const QString& category)
{
    static const QHash<QString, QChar> types = [] {
        QHash<QString, QChar> table;
        const auto add = [&table](QChar type, std::initializer_list<const char16_t*> words) {
            for (const char16_t* word : words)
                table.insert(QString::fromUtf16(word), type);
        };
        add(u'F', {u"film", u"filmy", u"movie"});
        add(u'D', {u"documentary", u"dokument", u"dokumenty", u"dokumentární"});
        add(u'Z', {u"news", u"zprávy", u"zpravodajství"});
        add(u'S', {u"series", u"seriál", u"seriály", u"soap", u"sitcom"});
        add(u'Q', {u"children", u"kids", u"dětem", u"děti", u"animated", u"animovaný"});
        add(u'O', {u"sport", u"sports", u"sportovní"});
        add(u'L', {u"entertainment", u"show", u"zábava", u"music", u"hudba", u"hudební"});
        return table;
    }();
    QString word;
    for (const QChar c : QString(category.toLower() % u' ')) {
        if (c.isLetter()) {
            word += c;
            continue;
        }
        const QChar type = types.value(word);
        if (!type.isNull())
            return type;
        word.clear();
    }
    return {};
}

// "S.E.P" counted from zero, each field possibly "n/total"; shown counted from one.
QString xmltvNsEpisode(const QString& value)
{
    const QStringList fields = value.split(u'.');
    const auto field = [&fields](int index) -> std::optional<int> {
        if (index >= fields.size())
            return std::nullopt;
        bool ok = false;
        const int number = fields.at(index).section(u'/', 0, 0).trimmed().toInt(&ok);
        return ok && number >= 0 ? std::optional<int>(number) : std::nullopt;
    };
    QStringList shown;
    if (const std::optional<int> season = field(0))
        shown << QString(u"řada " % QString::number(*season + 1));
    if (const std::optional<int> episode = field(1))
        shown << QString(u"díl " % QString::number(*episode + 1));
    return shown.join(u", ");
}

QChar programmeType(const QStringList& categories)
{
    bool any = false;
    for (const QString& category : categories) {
        if (category.trimmed().isEmpty())
            continue;
        any = true;
        const QChar type = categoryType(category);
        if (!type.isNull())
            return type;
    }
    return any ? QChar(u'X') : QChar();
}

QString shortInfo(const RawProgramme& raw)
{
    QStringList pieces;
    pieces << wireSafe(preferred(raw.subTitles));
    pieces << (raw.onscreen.isEmpty() ? xmltvNsEpisode(raw.xmltvNs) : wireSafe(raw.onscreen));
    const QString year = raw.date.trimmed().left(4);
    if (year.size() == 4 &&
        std::all_of(year.begin(), year.end(), [](QChar c) { return c.isDigit(); }))
        pieces << QString(u'(' % year % u')');
    pieces.removeAll(QString());
    return pieces.join(u", ");
}

// Turns XMLTV channels into stations of the listings, the same channel always into the same
// station: the map's, or one named by the channel with a free number of the foreign group.
class StationNaming
{
public:
    StationNaming(const ChannelMap& map, Listings* listings);

    // The station of the channel, added to the listings the first time it is met.
    QString stationOf(const QString& channel, const QList<LangText>& names);

private:
    Station unmappedStation(const QString& channel, const QList<LangText>& names);

    const ChannelMap& m_map;
    Listings* m_listings;
    QSet<int> m_usedNumbers;
    QSet<QString> m_knownStations;
    int m_nextNumber = firstForeignNumber;
    QHash<QString, QString> m_stationOf; // XMLTV channel id -> station name
};

StationNaming::StationNaming(const ChannelMap& map, Listings* listings)
    : m_map(map), m_listings(listings)
{
    for (const Station& station : std::as_const(map.byChannel))
        m_usedNumbers.insert(station.number);
    for (const Station& station : std::as_const(listings->stations)) {
        m_usedNumbers.insert(station.number);
        m_knownStations.insert(station.name);
    }
}

QString StationNaming::stationOf(const QString& channel, const QList<LangText>& names)
{
    if (m_stationOf.contains(channel))
        return m_stationOf.value(channel);
    Station station;
    const auto mapped = m_map.byChannel.constFind(channel);
    if (mapped != m_map.byChannel.cend()) {
        station = *mapped;
        station.name = protocol::stationName(station.name);
    } else {
        station = unmappedStation(channel, names);
    }
    m_stationOf.insert(channel, station.name);
    if (!m_knownStations.contains(station.name)) {
        m_knownStations.insert(station.name);
        m_listings->stations << station;
    }
    return station.name;
}

// Named by the channel's display-name or else its id; a new name takes the next free number.
Station StationNaming::unmappedStation(const QString& channel, const QList<LangText>& names)
{
    Station station;
    station.name = protocol::stationName(preferred(names));
    if (station.name.isEmpty())
        station.name = protocol::stationName(channel);
    // An id of nothing but separators still needs a name, the same on every reading.
    if (station.name.isEmpty())
        station.name = QStringLiteral("Bez názvu");
    if (!m_knownStations.contains(station.name)) {
        while (m_usedNumbers.contains(m_nextNumber))
            ++m_nextNumber;
        station.number = m_nextNumber;
        m_usedNumbers.insert(m_nextNumber);
    }
    return station;
}

// Every channel's programme starts in order, for the stops the document leaves out.
QHash<QString, QList<QDateTime>> startsByChannel(const QList<RawProgramme>& programmes)
{
    QHash<QString, QList<QDateTime>> startsOf;
    for (const RawProgramme& raw : programmes)
        startsOf[raw.channel] << raw.start;
    for (QList<QDateTime>& starts : startsOf)
        std::sort(starts.begin(), starts.end());
    return startsOf;
}

// A programme without a stop runs until the next one on its channel starts.
QDateTime stopOf(const RawProgramme& raw, const QHash<QString, QList<QDateTime>>& startsOf)
{
    if (raw.stop.isValid())
        return raw.stop;
    const QList<QDateTime>& starts = startsOf.value(raw.channel);
    const auto next = std::upper_bound(starts.begin(), starts.end(), raw.start);
    return next != starts.end() ? *next : raw.start.addSecs(defaultLengthSecs);
}

// The guide's entry: times of the broadcast day, texts safe on the wire.
Programme entry(const RawProgramme& raw, qint64 id, const QString& station, const QDateTime& stop)
{
    Programme programme;
    programme.id = id;
    programme.station = station;
    programme.day = broadcastDay(raw.start);
    programme.hod1 = hoursFrom(programme.day, raw.start);
    programme.min1 = raw.start.time().minute();
    programme.hod2 = hoursFrom(programme.day, stop);
    programme.min2 = stop.time().minute();
    programme.title = wireSafe(preferred(raw.titles));
    // The guide turns this marker into its black-and-white flag.
    if (raw.blackAndWhite)
        programme.title += u" (čb)";
    programme.info1 = shortInfo(raw);
    programme.info2 = wireSafe(preferred(raw.descriptions));
    programme.stereo = raw.stereo;
    programme.dual = raw.dual;
    programme.subtitles = raw.subtitles;
    programme.signLanguage = raw.signLanguage;
    programme.type = programmeType(raw.categories);
    return programme;
}

// Adds the programmes that last a while and whose ids are not taken yet.
void addProgrammes(const QList<RawProgramme>& programmes, StationNaming& stations,
                   Listings* listings)
{
    const QHash<QString, QList<QDateTime>> startsOf = startsByChannel(programmes);
    QSet<qint64> usedIds;
    for (const Programme& programme : std::as_const(listings->programmes))
        usedIds.insert(programme.id);
    for (const RawProgramme& raw : programmes) {
        // Even a programme skipped below makes its channel a station.
        const QString station = stations.stationOf(raw.channel, {});
        const QDateTime stop = stopOf(raw, startsOf);
        if (stop <= raw.start)
            continue;
        const qint64 id = programmeId(raw.channel, raw.start);
        if (usedIds.contains(id))
            continue;
        usedIds.insert(id);
        listings->programmes << entry(raw, id, station, stop);
    }
}

} // namespace

bool readXmltv(const QByteArray& xml, const ChannelMap& map, Listings* listings, QString* error)
{
    xmltv::DocumentReader document(xml);
    if (!document.read()) {
        if (error)
            *error = document.errorMessage();
        return false;
    }
    StationNaming stations(map, listings);
    for (const RawChannel& channel : std::as_const(document.channels))
        stations.stationOf(channel.id, channel.names);
    addProgrammes(document.programmes, stations, listings);
    return true;
}

} // namespace obzorka::server
