#pragma once

#include "feedload.h"

#include <QDateTime>
#include <QList>

#include <functional>
#include <optional>

namespace obzorka::server {

class ListingServer;

// Keeps the served listings in step with the operator's files: when one of them changed since the
// last load, reads them all anew and has the server serve them, carrying over what guides hold (see
// carryOver). A load that fails leaves the served listings as they are.
class FeedWatch
{
public:
    // `say` gets each line worth telling the operator, and whether it is a problem.
    FeedWatch(Feeds feeds, std::function<void(const QString& line, bool problem)> say);

    // Reads the files as they are now; none when they cannot be served (said why).
    std::optional<Listings> load();
    // Reads the files when any changed since the last load and serves them; false when that load
    // failed.
    bool reloadIfChanged(ListingServer& server);

private:
    struct Stamp
    {
        QDateTime modified;
        qint64 size = -1;
        bool operator==(const Stamp&) const = default;
    };
    QList<Stamp> stamps() const;

    Feeds m_feeds;
    std::function<void(const QString&, bool)> m_say;
    QList<Stamp> m_loaded;
};

} // namespace obzorka::server
