#pragma once

#include "listing.h"

#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <optional>

namespace obzorka::server {

// The operator's XMLTV files and the channel map that names their channels.
struct Feeds
{
    QStringList files;
    QString channelMap;
    QTimeZone unzoned = QTimeZone::utc(); // of times written without a zone
};

// What a load said: the skipped programmes (the first ones of each file) and one summary line a
// file.
struct LoadReport
{
    QStringList warnings;
    QStringList summaries;
};

// The listings of all the files; none with a Czech message naming the file when the map or a file
// cannot be read or holds nothing to serve.
std::optional<Listings> loadFeeds(const Feeds& feeds, LoadReport* report, QString* error);

} // namespace obzorka::server
