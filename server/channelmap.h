#pragma once

#include "listing.h"

#include <QMap>
#include <QString>

namespace obzorka::server {

// The channel map: which XMLTV channel is which station, with its number.
struct ChannelMap
{
    QMap<QString, Station> byChannel;
};

// Reads a channel map file: one channel a line, "xmltv-channel-id;Station name;number",
// blank lines and lines starting with '#' ignored, names cleaned by protocol::stationName
// ("Prima, cool" is "Prima cool"). False with a Czech message on a bad line (saying which) or
// an unreadable file; the map is left alone then.
bool readChannelMap(const QString& path, ChannelMap* map, QString* error);

} // namespace obzorka::server
