#pragma once

#include "channelmap.h"
#include "listing.h"

#include <QByteArray>
#include <QString>

// Reading XMLTV documents into the listings the server serves.
//
// All times end up as Prague wall-clock times (Europe/Prague, both daylight-saving changes
// included), whatever offset the document writes; a time without an offset is already Prague
// time. The guide's days are broadcast days that begin at 06:00: a programme starting before
// 06:00 belongs to the previous day with its start hour 24 higher (01:30 on 8 December is day
// 7 December, 25:30). The end is counted from the same day, so it is 24:00 or more when the
// programme ends after midnight, and past 30:00 when it runs over the next day's 06:00. Being
// wall-clock times, the hours skip on the spring change and repeat on the autumn one.
namespace obzorka::server {

// Adds the channels and programmes of one XMLTV document to the listings. Channels the map
// does not name become stations named by their display-name (Czech one preferred) with
// numbers from 5000 up (the group "Jiné zahraniční"), in the order they appear, skipping
// numbers already used; a station already in the listings under the same name is reused. Every
// station name is cleaned by protocol::stationName where it enters, so the login reply, the
// records and the station choice page all carry the same name.
// Programme ids come from the channel and the start moment, so re-reading gives the same ids;
// a programme whose id is already taken is skipped. False with a Czech message when the XML is
// not well-formed XMLTV; the listings are left alone then.
bool readXmltv(const QByteArray& xml, const ChannelMap& map, Listings* listings, QString* error);

} // namespace obzorka::server
