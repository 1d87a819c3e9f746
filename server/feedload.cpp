#include "feedload.h"

#include "channelmap.h"
#include "xmltv.h"

#include <QFile>
#include <QFileInfo>

namespace obzorka::server {

std::optional<Listings> loadFeeds(const Feeds& feeds, LoadReport* report, QString* error)
{
    ChannelMap map;
    if (!readChannelMap(feeds.channelMap, &map, error))
        return std::nullopt;
    Listings listings;
    for (const QString& path : feeds.files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("Soubor „%1“ nelze číst: %2").arg(path, file.errorString());
            return std::nullopt;
        }
        FeedReport read;
        read.file = QFileInfo(path).fileName();
        QString problem;
        const bool served = readXmltv(&file, map, feeds.unzoned, &listings, &read, &problem);
        report->warnings += read.warnings;
        const int skipped = read.skippedTotal();
        if (skipped > read.warnings.size())
            report->warnings << QStringLiteral("%1: a dalších %2 přeskočených pořadů")
                                    .arg(read.file)
                                    .arg(skipped - read.warnings.size());
        if (!served) {
            *error = QStringLiteral("Soubor „%1“: %2").arg(path, problem);
            return std::nullopt;
        }
        report->summaries << read.summary();
    }
    return listings;
}

} // namespace obzorka::server
