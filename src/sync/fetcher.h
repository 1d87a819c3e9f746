#pragma once

#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>
#include <atomic>
#include <functional>

// The one way bytes come from the network: a GET of one address, its body as text, and the
// same bytes into a file when asked.
namespace obzorka::sync {

// "http://" + host + path, with each value percent-encoded from its windows-1250 bytes, as the
// listing server reads them (so a password with "&" or a blank still logs in).
QUrl requestUrl(const QString& host, const QString& path,
                const QList<std::pair<QString, QString>>& values = {});

// Fetches addresses one at a time on the thread that made it, waiting in rounds of
// `roundMs` so that the stop flag ends a fetch within one round. A server that sends
// nothing for `timeoutMs` ends the fetch as failed.
class Fetcher
{
public:
    using Animation = std::function<void(int units)>;

    explicit Fetcher(const std::atomic<bool>& stop, Animation animate = {});

    // The body decoded from windows-1250, or empty when the fetch failed, timed out or was
    // stopped. With a file name, a body that is not blank and not a "404 Not Found" page is
    // written there whole, replacing an older file.
    QString readUrl(const QUrl& url, const QString& file = {});

    int roundMs = 100;
    int timeoutMs = 30000;

private:
    const std::atomic<bool>& m_stop;
    Animation m_animate;
    QNetworkAccessManager m_network;
};

} // namespace obzorka::sync
