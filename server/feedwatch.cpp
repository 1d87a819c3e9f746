#include "feedwatch.h"

#include "carryover.h"
#include "listingserver.h"

#include <QFileInfo>

namespace obzorka::server {

FeedWatch::FeedWatch(Feeds feeds, std::function<void(const QString&, bool)> say)
    : m_feeds(std::move(feeds)), m_say(std::move(say))
{
}

QList<FeedWatch::Stamp> FeedWatch::stamps() const
{
    QList<Stamp> all;
    for (const QString& path : m_feeds.files + QStringList{m_feeds.channelMap}) {
        const QFileInfo file(path);
        all << Stamp{file.lastModified(), file.exists() ? file.size() : -1};
    }
    return all;
}

std::optional<Listings> FeedWatch::load()
{
    // Taken first, so that a file written during the load is read again at the next look.
    m_loaded = stamps();
    LoadReport report;
    QString error;
    std::optional<Listings> listings = loadFeeds(m_feeds, &report, &error);
    for (const QString& warning : std::as_const(report.warnings))
        m_say(warning, true);
    if (!listings)
        m_say(error, true);
    for (const QString& summary : std::as_const(report.summaries))
        m_say(summary, false);
    return listings;
}

bool FeedWatch::reloadIfChanged(ListingServer& server)
{
    if (stamps() == m_loaded)
        return true;
    std::optional<Listings> fresh = load();
    if (!fresh) {
        m_say(QStringLiteral("Dál platí programy z minulého načtení."), true);
        return false;
    }
    const auto served = server.served();
    carryOver(served->listings, &*fresh);
    server.serve(std::move(*fresh));
    return true;
}

} // namespace obzorka::server
