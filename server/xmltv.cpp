#include "xmltv.h"

#include "protocol.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTimeZone>
#include <QXmlStreamReader>

#include <algorithm>
#include <optional>

namespace obzorka::server {

namespace {

// The broadcast day begins at this local hour; earlier programmes belong to the day before.
constexpr int dayStartHour = 6;
// Stations the channel map does not know are numbered from here: "Jiné zahraniční".
constexpr int firstForeignNumber = 5000;
// How long the last programme of a channel runs when the document gives no stop.
constexpr qint64 defaultLengthSecs = 60 * 60;
// Ids stay below 2^47, well within what a double holds exactly.
constexpr quint64 idMask = (quint64(1) << 47) - 1;

const QTimeZone& prague()
{
    static const QTimeZone zone("Europe/Prague");
    return zone;
}

void setError(QString* error, const QString& message)
{
    if (error)
        *error = message;
}

// "|" and the characters 18 and 19 separate fields and records on the wire.
QString wireSafe(QString text)
{
    text.replace(u'|', u'/');
    text.remove(QChar(18));
    text.remove(QChar(19));
    return text.trimmed();
}

struct LangText
{
    QString lang;
    QString text;
};

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

// "yyyyMMddHHmm[ss] [+-HHMM]", returned as Prague time; without an offset the time is
// Prague's already.
std::optional<QDateTime> parseTime(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(\d{4})(\d{2})(\d{2})(\d{2})(\d{2})(\d{2})?\s*(?:([+-])(\d{2}):?(\d{2}))?$)"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const auto number = [&match](int group) { return match.capturedView(group).toInt(); };
    const QDate date(number(1), number(2), number(3));
    const QTime time(number(4), number(5), number(6));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    if (!match.hasCaptured(7)) {
        const QDateTime local(date, time, prague());
        if (local.isValid())
            return local;
        // A wall-clock time the spring change skips: read it as if the clocks had not moved yet.
        const int before = prague().standardTimeOffset(QDateTime(date, time, Qt::UTC));
        return QDateTime(date, time, QTimeZone(before)).toTimeZone(prague());
    }
    if (number(8) > 14 || number(9) > 59)
        return std::nullopt;
    const int sign = match.capturedView(7) == u"-" ? -1 : 1;
    const int offset = sign * (number(8) * 3600 + number(9) * 60);
    return QDateTime(date, time, QTimeZone(offset)).toTimeZone(prague());
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

struct RawChannel
{
    QString id;
    QList<LangText> names;
};

struct RawProgramme
{
    QString channel;
    QDateTime start;
    QDateTime stop; // invalid when the document gives none
    QList<LangText> titles;
    QList<LangText> subTitles;
    QList<LangText> descriptions;
    QString onscreen;
    QString xmltvNs;
    QString date;
    QStringList categories;
    bool stereo = false;
    bool dual = false;
    bool subtitles = false;
    bool signLanguage = false;
    bool blackAndWhite = false;
};

// Collects the channels and programmes of a document; any problem stops it as an XML error.
class DocumentReader
{
public:
    explicit DocumentReader(const QByteArray& xml) : m_xml(xml) {}

    bool read();
    QString errorMessage() const;

    QList<RawChannel> channels;
    QList<RawProgramme> programmes;

private:
    void fail(const QString& message) { m_xml.raiseError(message); }
    LangText langText();
    void readChannel();
    void readProgramme();
    void readAudio(RawProgramme* programme);
    void readVideo(RawProgramme* programme);

    QXmlStreamReader m_xml;
};

bool DocumentReader::read()
{
    if (m_xml.readNextStartElement()) {
        if (m_xml.name() != u"tv") {
            fail(
                QString(u"Dokument není XMLTV: hlavní prvek je <" % m_xml.name() % u">, ne <tv>."));
        }
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"channel")
                readChannel();
            else if (m_xml.name() == u"programme")
                readProgramme();
            else
                m_xml.skipCurrentElement();
        }
    }
    // Read on to the end so that anything after </tv> is caught too.
    while (!m_xml.atEnd())
        m_xml.readNext();
    return !m_xml.hasError();
}

QString DocumentReader::errorMessage() const
{
    if (m_xml.error() == QXmlStreamReader::CustomError)
        return m_xml.errorString();
    return QStringLiteral("Chybné XML na řádku %1, sloupci %2: %3")
        .arg(m_xml.lineNumber())
        .arg(m_xml.columnNumber())
        .arg(m_xml.errorString());
}

LangText DocumentReader::langText()
{
    LangText text;
    text.lang = m_xml.attributes().value(QLatin1StringView("lang")).toString();
    text.text = m_xml.readElementText(QXmlStreamReader::IncludeChildElements);
    return text;
}

void DocumentReader::readChannel()
{
    RawChannel channel;
    channel.id = m_xml.attributes().value(QLatin1StringView("id")).toString().trimmed();
    if (channel.id.isEmpty()) {
        fail(QStringLiteral("Kanál na řádku %1 nemá id.").arg(m_xml.lineNumber()));
        return;
    }
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() == u"display-name")
            channel.names << langText();
        else
            m_xml.skipCurrentElement();
    }
    channels << channel;
}

void DocumentReader::readProgramme()
{
    const qint64 line = m_xml.lineNumber();
    const QXmlStreamAttributes attributes = m_xml.attributes();
    RawProgramme programme;
    programme.channel = attributes.value(QLatin1StringView("channel")).toString().trimmed();
    if (programme.channel.isEmpty()) {
        fail(QStringLiteral("Pořad na řádku %1 nemá kanál.").arg(line));
        return;
    }
    const QString start = attributes.value(QLatin1StringView("start")).toString();
    const std::optional<QDateTime> startTime = parseTime(start);
    if (!startTime) {
        fail(QStringLiteral("Pořad na řádku %1 má chybný začátek „%2“.").arg(line).arg(start));
        return;
    }
    programme.start = *startTime;
    if (attributes.hasAttribute(QLatin1StringView("stop"))) {
        const QString stop = attributes.value(QLatin1StringView("stop")).toString();
        const std::optional<QDateTime> stopTime = parseTime(stop);
        if (!stopTime) {
            fail(QStringLiteral("Pořad na řádku %1 má chybný konec „%2“.").arg(line).arg(stop));
            return;
        }
        programme.stop = *stopTime;
    }
    while (m_xml.readNextStartElement()) {
        const QStringView name = m_xml.name();
        if (name == u"title") {
            programme.titles << langText();
        } else if (name == u"sub-title") {
            programme.subTitles << langText();
        } else if (name == u"desc") {
            programme.descriptions << langText();
        } else if (name == u"category") {
            programme.categories << langText().text;
        } else if (name == u"date") {
            programme.date = m_xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (name == u"episode-num") {
            const QString system = m_xml.attributes().value(QLatin1StringView("system")).toString();
            const QString value =
                m_xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            if (system == u"onscreen" && programme.onscreen.isEmpty())
                programme.onscreen = value;
            else if (system == u"xmltv_ns" && programme.xmltvNs.isEmpty())
                programme.xmltvNs = value;
        } else if (name == u"audio") {
            readAudio(&programme);
        } else if (name == u"video") {
            readVideo(&programme);
        } else if (name == u"subtitles") {
            if (m_xml.attributes().value(QLatin1StringView("type")) == u"deaf-signed")
                programme.signLanguage = true;
            else
                programme.subtitles = true;
            m_xml.skipCurrentElement();
        } else {
            m_xml.skipCurrentElement();
        }
    }
    programmes << programme;
}

void DocumentReader::readAudio(RawProgramme* programme)
{
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() != u"stereo") {
            m_xml.skipCurrentElement();
            continue;
        }
        const QString sound = m_xml.readElementText().trimmed().toLower();
        if (sound == u"bilingual")
            programme->dual = true;
        else if (sound == u"stereo" || sound == u"dolby" || sound == u"dolby digital" ||
                 sound == u"surround")
            programme->stereo = true;
    }
}

void DocumentReader::readVideo(RawProgramme* programme)
{
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() == u"colour") {
            if (m_xml.readElementText().trimmed().compare(u"no", Qt::CaseInsensitive) == 0)
                programme->blackAndWhite = true;
        } else {
            m_xml.skipCurrentElement();
        }
    }
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

} // namespace

bool readChannelMap(const QString& path, ChannelMap* map, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error,
                 QStringLiteral("Mapu kanálů %1 nelze přečíst: %2").arg(path, file.errorString()));
        return false;
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    ChannelMap read;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const auto bad = [&](const QString& why) {
            setError(error,
                     QStringLiteral("Mapa kanálů %1, řádek %2: %3").arg(path).arg(i + 1).arg(why));
            return false;
        };
        const QStringList fields = line.split(u';');
        if (fields.size() != 3)
            return bad(QStringLiteral("čekám „kanál;název stanice;číslo“."));
        const QString channel = fields.at(0).trimmed();
        Station station;
        station.name = protocol::stationName(fields.at(1));
        bool ok = false;
        station.number = fields.at(2).trimmed().toInt(&ok);
        if (channel.isEmpty())
            return bad(QStringLiteral("chybí kanál."));
        if (station.name.isEmpty())
            return bad(QStringLiteral("chybí název stanice."));
        if (!ok || station.number <= 0)
            return bad(QStringLiteral("číslo stanice musí být kladné celé číslo."));
        if (read.byChannel.contains(channel))
            return bad(QStringLiteral("kanál %1 už je uveden dříve.").arg(channel));
        read.byChannel.insert(channel, station);
    }
    *map = read;
    return true;
}

bool readXmltv(const QByteArray& xml, const ChannelMap& map, Listings* listings, QString* error)
{
    DocumentReader document(xml);
    if (!document.read()) {
        setError(error, document.errorMessage());
        return false;
    }

    QSet<int> usedNumbers;
    QSet<QString> knownStations;
    for (const Station& station : std::as_const(map.byChannel))
        usedNumbers.insert(station.number);
    for (const Station& station : std::as_const(listings->stations)) {
        usedNumbers.insert(station.number);
        knownStations.insert(station.name);
    }
    int nextNumber = firstForeignNumber;
    QHash<QString, QString> stationOf; // XMLTV channel id -> station name
    const auto addChannel = [&](const QString& id, const QList<LangText>& names) {
        if (stationOf.contains(id))
            return;
        Station station;
        const auto mapped = map.byChannel.constFind(id);
        if (mapped != map.byChannel.cend()) {
            station = *mapped;
            station.name = protocol::stationName(station.name);
        } else {
            station.name = protocol::stationName(preferred(names));
            if (station.name.isEmpty())
                station.name = protocol::stationName(id);
            // An id of nothing but separators still needs a name, the same on every reading.
            if (station.name.isEmpty())
                station.name = QStringLiteral("Bez názvu");
            if (!knownStations.contains(station.name)) {
                while (usedNumbers.contains(nextNumber))
                    ++nextNumber;
                station.number = nextNumber;
                usedNumbers.insert(nextNumber);
            }
        }
        stationOf.insert(id, station.name);
        if (!knownStations.contains(station.name)) {
            knownStations.insert(station.name);
            listings->stations << station;
        }
    };
    for (const RawChannel& channel : std::as_const(document.channels))
        addChannel(channel.id, channel.names);

    // A programme without a stop runs until the next one on its channel starts.
    QHash<QString, QList<QDateTime>> startsOf;
    for (const RawProgramme& raw : std::as_const(document.programmes))
        startsOf[raw.channel] << raw.start;
    for (QList<QDateTime>& starts : startsOf)
        std::sort(starts.begin(), starts.end());

    QSet<qint64> usedIds;
    for (const Programme& programme : std::as_const(listings->programmes))
        usedIds.insert(programme.id);

    for (const RawProgramme& raw : std::as_const(document.programmes)) {
        addChannel(raw.channel, {});
        QDateTime stop = raw.stop;
        if (!stop.isValid()) {
            const QList<QDateTime>& starts = startsOf.value(raw.channel);
            const auto next = std::upper_bound(starts.begin(), starts.end(), raw.start);
            stop = next != starts.end() ? *next : raw.start.addSecs(defaultLengthSecs);
        }
        if (stop <= raw.start)
            continue;
        const qint64 id = programmeId(raw.channel, raw.start);
        if (usedIds.contains(id))
            continue;
        usedIds.insert(id);

        Programme programme;
        programme.id = id;
        programme.station = stationOf.value(raw.channel);
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
        listings->programmes << programme;
    }
    return true;
}

} // namespace obzorka::server
