#include "xmltv.h"

#include "protocol.h"
#include "wiretext.h"
#include "xmltvdocument.h"
#include "xmltvtime.h"

#include <QCryptographicHash>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <numeric>
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

// Text the wire carries, on one line: "|" (which the guide removes) becomes "/", and the characters
// 18 and 19 that separate fields and records are controls, which fold to blanks.
QString wireSafe(const QString& text)
{
    return wiretext::fold(text).replace(u'|', u'/').simplified();
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

// The end of a programme whose document gives no stop: the next start on its channel, else its
// length, else the usual length.
qint64 missingStop(qint64 start, const QList<qint64>& channelStarts,
                   std::optional<qint64> lengthSecs)
{
    const auto next = std::upper_bound(channelStarts.begin(), channelStarts.end(), start);
    if (next != channelStarts.end())
        return *next;
    return start + lengthSecs.value_or(defaultLengthSecs);
}

// The guide's entry: times of the broadcast day, texts safe on the wire (the title already so).
Programme entry(const RawProgramme& raw, qint64 id, const QString& station, const QString& title)
{
    Programme programme;
    programme.id = id;
    programme.station = station;
    programme.day = broadcastDay(*raw.start);
    programme.hod1 = hoursFrom(programme.day, *raw.start);
    programme.min1 = raw.start->time().minute();
    programme.title = title;
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

// What one document adds to the listings, programme by programme as it is read; the stops the
// document leaves out are found once its every start is known.
class FeedReading
{
public:
    FeedReading(const ChannelMap& map, Listings* listings, FeedReport* report)
        : m_stations(map, listings), m_listings(listings), m_report(report)
    {
        for (qsizetype row = 0; row < listings->programmes.size(); ++row)
            m_usedIds.insert(listings->programmes.id(row));
    }
    void addChannel(const RawChannel& channel);
    void addProgramme(const RawProgramme& raw);
    void endStops();
    bool anyUsable() const { return m_usable > 0; }

private:
    void skip(FeedReport::Skip reason, qint64 line, const QString& detail = {});
    // Counts a channel the document lists or serves a programme of, once.
    void countChannel(const QString& channel)
    {
        m_channels.insert(channel);
        m_report->channels = int(m_channels.size());
    }

    struct OpenEnd
    {
        qsizetype index; // in the listings' programmes
        QString channel;
        qint64 start; // seconds since the epoch
        std::optional<qint64> lengthSecs;
    };

    StationNaming m_stations;
    Listings* m_listings;
    FeedReport* m_report;
    QSet<qint64> m_usedIds;
    QSet<QString> m_channels;
    int m_usable = 0; // programmes that could be served, were their start not taken

    QHash<QString, QList<qint64>> m_startsOf; // by channel, of the programmes served
    QList<OpenEnd> m_openEnds;
};

void FeedReading::addChannel(const RawChannel& channel)
{
    if (channel.id.isEmpty())
        return;
    m_stations.stationOf(channel.id, channel.names);
    countChannel(channel.id);
}

void FeedReading::addProgramme(const RawProgramme& raw)
{
    using Skip = FeedReport::Skip;
    if (raw.channel.isEmpty())
        return skip(Skip::NoChannel, raw.line);
    if (!raw.start)
        return skip(Skip::BadStart, raw.line, raw.startText);
    // Even a programme skipped below makes its channel a station.
    const QString station = m_stations.stationOf(raw.channel, {});
    const QString title = wireSafe(preferred(raw.titles));
    if (title.isEmpty())
        return skip(Skip::NoTitle, raw.line);
    if (raw.stop && *raw.stop <= *raw.start)
        return skip(Skip::StopNotAfterStart, raw.line, raw.stop->toString(u"d.M.yyyy H:mm"));
    ++m_usable;
    const qint64 id = programmeId(raw.channel, *raw.start);
    if (m_usedIds.contains(id))
        return skip(Skip::SameStart, raw.line);
    m_usedIds.insert(id);
    countChannel(raw.channel);
    m_startsOf[raw.channel] << raw.start->toSecsSinceEpoch();
    Programme programme = entry(raw, id, station, title);
    if (raw.stop) {
        programme.hod2 = hoursFrom(programme.day, *raw.stop);
        programme.min2 = raw.stop->time().minute();
    } else {
        m_openEnds << OpenEnd{m_listings->programmes.size(), raw.channel,
                              raw.start->toSecsSinceEpoch(), raw.lengthSecs};
    }
    m_listings->programmes << programme;
    ++m_report->programmes;
}

void FeedReading::endStops()
{
    for (QList<qint64>& starts : m_startsOf)
        std::sort(starts.begin(), starts.end());
    ProgrammeTable& programmes = m_listings->programmes;
    for (const OpenEnd& open : std::as_const(m_openEnds)) {
        const QDateTime stop = QDateTime::fromSecsSinceEpoch(
            missingStop(open.start, m_startsOf.value(open.channel), open.lengthSecs),
            xmltv::prague());
        programmes.setEnd(open.index, hoursFrom(programmes.day(open.index), stop),
                          stop.time().minute());
    }
}

void FeedReading::skip(FeedReport::Skip reason, qint64 line, const QString& detail)
{
    ++m_report->skipped[size_t(reason)];
    if (m_report->warnings.size() < FeedReport::maxWarnings)
        m_report->warnings << QStringLiteral("%1:%2: pořad přeskočen, %3")
                                  .arg(m_report->file)
                                  .arg(line)
                                  .arg(FeedReport::reasonText(reason, detail));
}

} // namespace

QString FeedReport::reasonText(Skip reason, const QString& detail)
{
    switch (reason) {
    case Skip::NoChannel:
        return QStringLiteral("nemá kanál");
    case Skip::BadStart:
        return detail.isEmpty() ? QStringLiteral("nemá začátek")
                                : QStringLiteral("chybný začátek „%1“").arg(detail);
    case Skip::NoTitle:
        return QStringLiteral("nemá název");
    case Skip::StopNotAfterStart:
        return QStringLiteral("konec %1 není po začátku").arg(detail);
    case Skip::SameStart:
        return QStringLiteral("stejný kanál a začátek jako pořad před ním");
    }
    return {};
}

int FeedReport::skippedTotal() const
{
    return std::accumulate(skipped.begin(), skipped.end(), 0);
}

QString FeedReport::summary() const
{
    static const std::array<const char16_t*, skipReasons> counted{
        u"bez kanálu", u"bez platného začátku", u"bez názvu", u"konec není po začátku",
        u"stejný kanál a začátek"};
    QStringList reasons;
    for (size_t i = 0; i < skipReasons; ++i) {
        if (skipped[i] > 0)
            reasons << QString::fromUtf16(counted[i]) % u' ' % QString::number(skipped[i]);
    }
    QString line = QStringLiteral("%1: kanálů %2, pořadů %3, přeskočeno %4")
                       .arg(file)
                       .arg(channels)
                       .arg(programmes)
                       .arg(skippedTotal());
    if (!reasons.isEmpty())
        line += u" (" % reasons.join(u", ") % u')';
    return line;
}

bool readXmltv(QIODevice* xml, const ChannelMap& map, const QTimeZone& unzoned, Listings* listings,
               FeedReport* report, QString* error)
{
    const auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    xmltv::DocumentReader document(xml, unzoned);
    FeedReading feed(map, listings, report);
    if (!document.read([&feed](RawChannel&& channel) { feed.addChannel(channel); },
                       [&feed](RawProgramme&& programme) { feed.addProgramme(programme); }))
        return fail(document.errorMessage());
    if (!feed.anyUsable())
        return fail(QStringLiteral("V dokumentu není žádný pořad, který by šel podávat."));
    feed.endStops();
    return true;
}

} // namespace obzorka::server
