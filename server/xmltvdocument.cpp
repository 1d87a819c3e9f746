#include "xmltvdocument.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <optional>

namespace obzorka::server::xmltv {
namespace {

const QTimeZone& prague()
{
    static const QTimeZone zone("Europe/Prague");
    return zone;
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

} // namespace

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
    RawProgramme programme;
    if (!readProgrammeAttributes(&programme))
        return;
    while (m_xml.readNextStartElement())
        readProgrammeElement(&programme);
    programmes << programme;
}

// The channel, start and stop; false, having failed, when one is missing or wrong.
bool DocumentReader::readProgrammeAttributes(RawProgramme* programme)
{
    const qint64 line = m_xml.lineNumber();
    const QXmlStreamAttributes attributes = m_xml.attributes();
    programme->channel = attributes.value(QLatin1StringView("channel")).toString().trimmed();
    if (programme->channel.isEmpty()) {
        fail(QStringLiteral("Pořad na řádku %1 nemá kanál.").arg(line));
        return false;
    }
    const std::optional<QDateTime> start =
        timeAttribute(attributes, QLatin1StringView("start"), QStringLiteral("začátek"), line);
    if (!start)
        return false;
    programme->start = *start;
    if (attributes.hasAttribute(QLatin1StringView("stop"))) {
        const std::optional<QDateTime> stop =
            timeAttribute(attributes, QLatin1StringView("stop"), QStringLiteral("konec"), line);
        if (!stop)
            return false;
        programme->stop = *stop;
    }
    return true;
}

// The time an attribute of the programme on the line gives; none, having failed with what the
// time is in the message, when it is not one.
std::optional<QDateTime> DocumentReader::timeAttribute(const QXmlStreamAttributes& attributes,
                                                       QLatin1StringView name, const QString& what,
                                                       qint64 line)
{
    const QString text = attributes.value(name).toString();
    const std::optional<QDateTime> time = parseTime(text);
    if (!time)
        fail(QStringLiteral("Pořad na řádku %1 má chybný %2 „%3“.").arg(line).arg(what, text));
    return time;
}

void DocumentReader::readProgrammeElement(RawProgramme* programme)
{
    const QStringView name = m_xml.name();
    if (name == u"title") {
        programme->titles << langText();
    } else if (name == u"sub-title") {
        programme->subTitles << langText();
    } else if (name == u"desc") {
        programme->descriptions << langText();
    } else if (name == u"category") {
        programme->categories << langText().text;
    } else if (name == u"date") {
        programme->date = m_xml.readElementText(QXmlStreamReader::IncludeChildElements);
    } else if (name == u"episode-num") {
        readEpisodeNumber(programme);
    } else if (name == u"audio") {
        readAudio(programme);
    } else if (name == u"video") {
        readVideo(programme);
    } else if (name == u"subtitles") {
        if (m_xml.attributes().value(QLatin1StringView("type")) == u"deaf-signed")
            programme->signLanguage = true;
        else
            programme->subtitles = true;
        m_xml.skipCurrentElement();
    } else {
        m_xml.skipCurrentElement();
    }
}

// The first number of each system counts.
void DocumentReader::readEpisodeNumber(RawProgramme* programme)
{
    const QString system = m_xml.attributes().value(QLatin1StringView("system")).toString();
    const QString value = m_xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    if (system == u"onscreen" && programme->onscreen.isEmpty())
        programme->onscreen = value;
    else if (system == u"xmltv_ns" && programme->xmltvNs.isEmpty())
        programme->xmltvNs = value;
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

} // namespace obzorka::server::xmltv
