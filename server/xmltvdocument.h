#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <QXmlStreamReader>

#include <functional>
#include <optional>

// An XMLTV document as it is written: its channels and programmes before they become stations and
// the guide's entries, handed on one at a time as they are read.
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
    qint64 line = 0; // where the programme begins in the document
    QString channel; // empty when the document gives none
    QString startText;
    std::optional<QDateTime> start; // Prague time; none when missing or not a time
    std::optional<QDateTime> stop;  // Prague time; none when missing or not a time
    std::optional<qint64> lengthSecs;
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

// Reads a document from start to end; only a document that is not XML, or not XMLTV, fails.
class DocumentReader
{
public:
    // Times without a zone are in `unzoned`.
    DocumentReader(QIODevice* device, const QTimeZone& unzoned);

    bool read(const std::function<void(RawChannel&&)>& channel,
              const std::function<void(RawProgramme&&)>& programme);
    // What went wrong and where: our Czech text, or the XML reader's own after a place.
    QString errorMessage() const;

private:
    LangText langText();
    RawChannel readChannel();
    RawProgramme readProgramme();
    void readProgrammeElement(RawProgramme* programme);
    void readEpisodeNumber(RawProgramme* programme);
    void readLength(RawProgramme* programme);
    void readAudio(RawProgramme* programme);
    void readVideo(RawProgramme* programme);

    QXmlStreamReader m_xml;
    QTimeZone m_unzoned;
};

} // namespace obzorka::server::xmltv
