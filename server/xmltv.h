#pragma once

#include "channelmap.h"
#include "listing.h"

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <array>

// Reading XMLTV documents into the listings the server serves.
//
// All times end up as Prague wall-clock times (Europe/Prague, both daylight-saving changes
// included), whatever zone the document writes. The guide's days are broadcast days that begin at
// 06:00: a programme starting before 06:00 belongs to the previous day with its start hour 24
// higher (01:30 on 8 December is day 7 December, 25:30). The end is counted from the same day, so
// it is 24:00 or more when the programme ends after midnight, and past 30:00 when it runs over the
// next day's 06:00. Being wall-clock times, the hours skip on the spring change and repeat on the
// autumn one.
namespace obzorka::server {

// What reading one document brought, for the line the server prints at every load.
struct FeedReport
{
    // Why a programme is not served.
    enum class Skip
    {
        NoChannel,
        BadStart,
        NoTitle,
        StopNotAfterStart,
        SameStart
    };
    static constexpr size_t skipReasons = 5;
    // Warnings beyond these are only counted.
    static constexpr qsizetype maxWarnings = 20;

    QString file;       // as the warnings and the summary name it
    int channels = 0;   // listed, or with a programme served
    int programmes = 0; // served
    std::array<int, skipReasons> skipped{};
    QStringList warnings; // "file:line: pořad přeskočen, reason"

    static QString reasonText(Skip reason, const QString& detail);
    int skippedTotal() const;
    // "file: kanálů 3, pořadů 120, přeskočeno 2 (bez názvu 1, bez platného začátku 1)"
    QString summary() const;
};

// Adds the channels and programmes of one XMLTV document to the listings.
//
// Channels the map does not name become stations named by their display-name (Czech one
// preferred) with numbers from 5000 up (the group "Jiné zahraniční"), in the order they appear,
// skipping numbers already used; a station already in the listings under the same name is
// reused, and a channel listed twice is one channel. Every station name is cleaned by
// protocol::stationName where it enters, so the login reply, the records and the station choice
// page all carry the same name.
//
// A programme without a channel, a start that is a time, or a title is skipped, and so is one
// whose stop is not after its start, or which has the channel and start of one read before it.
// A programme without a usable stop ends where the next one on its channel starts, else after
// its length, else after an hour. Times without a zone are in `unzoned`. Programme ids come
// from the channel and the start moment, so re-reading gives the same ids.
//
// False with a Czech message when the document is not well-formed XMLTV or holds no usable
// programme (one whose start an earlier document took is usable); the listings may then hold
// part of it.
bool readXmltv(QIODevice* xml, const ChannelMap& map, const QTimeZone& unzoned, Listings* listings,
               FeedReport* report, QString* error);

} // namespace obzorka::server
