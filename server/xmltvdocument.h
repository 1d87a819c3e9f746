#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <optional>

// An XMLTV document as it is written: its channels and programmes before they become stations
// and the guide's entries.
namespace obzorka::server::xmltv {

struct LangText
{
    QString lang;
    QString text;
};

struct RawChannel
{
    QString id;
    QList<LangText> names;
};

struct RawProgramme
{
    QString channel;
    QDateTime start; // Prague time
    QDateTime stop;  // Prague time; invalid when the document gives none
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
    // What went wrong and where: our Czech text, or the XML reader's own after a place.
    QString errorMessage() const;

    QList<RawChannel> channels;
    QList<RawProgramme> programmes;

private:
    void fail(const QString& message) { m_xml.raiseError(message); }
    LangText langText();
    void readChannel();
    void readProgramme();
    bool readProgrammeAttributes(RawProgramme* programme);
    std::optional<QDateTime> timeAttribute(const QXmlStreamAttributes& attributes,
                                           QLatin1StringView name, const QString& what,
                                           qint64 line);
    void readProgrammeElement(RawProgramme* programme);
    void readEpisodeNumber(RawProgramme* programme);
    void readAudio(RawProgramme* programme);
    void readVideo(RawProgramme* programme);

    QXmlStreamReader m_xml;
};

} // namespace obzorka::server::xmltv
