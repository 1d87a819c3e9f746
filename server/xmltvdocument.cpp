#include "xmltvdocument.h"

#include "xmltvtime.h"

namespace obzorka::server::xmltv {

DocumentReader::DocumentReader(QIODevice* device, const QTimeZone& unzoned)
    : m_xml(device), m_unzoned(unzoned)
{
}

bool DocumentReader::read(const std::function<void(RawChannel&&)>& channel,
                          const std::function<void(RawProgramme&&)>& programme)
{
    if (m_xml.readNextStartElement()) {
        if (m_xml.name() != u"tv") {
            m_xml.raiseError(
                QString(u"Dokument není XMLTV: hlavní prvek je <" % m_xml.name() % u">, ne <tv>."));
        }
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"channel")
                channel(readChannel());
            else if (m_xml.name() == u"programme")
                programme(readProgramme());
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

// A channel without an id is read all the same; its programmes cannot name it.
RawChannel DocumentReader::readChannel()
{
    RawChannel channel;
    channel.id = m_xml.attributes().value(QLatin1StringView("id")).toString().trimmed();
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() == u"display-name")
            channel.names << langText();
        else
            m_xml.skipCurrentElement();
    }
    return channel;
}

RawProgramme DocumentReader::readProgramme()
{
    RawProgramme programme;
    programme.line = m_xml.lineNumber();
    const QXmlStreamAttributes attributes = m_xml.attributes();
    programme.channel = attributes.value(QLatin1StringView("channel")).toString().trimmed();
    programme.startText = attributes.value(QLatin1StringView("start")).toString();
    programme.start = parseTime(programme.startText, m_unzoned);
    programme.stop = parseTime(attributes.value(QLatin1StringView("stop")), m_unzoned);
    while (m_xml.readNextStartElement())
        readProgrammeElement(&programme);
    return programme;
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
    } else if (name == u"length") {
        readLength(programme);
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

// "90" minutes, or the seconds or hours its units say; anything else is no length.
void DocumentReader::readLength(RawProgramme* programme)
{
    const QStringView units = m_xml.attributes().value(QLatin1StringView("units"));
    const qint64 unit = units == u"seconds"   ? 1
                        : units == u"minutes" ? 60
                        : units == u"hours"   ? 3600
                                              : 0;
    bool ok = false;
    const qint64 count =
        m_xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().toLongLong(&ok);
    if (ok && unit > 0 && count > 0 && count <= 7 * 24 * 3600 / unit)
        programme->lengthSecs = count * unit;
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
