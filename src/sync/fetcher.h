#pragma once

#include <QDeadlineTimer>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>
#include <atomic>
#include <functional>
#include <memory>

// The one way bytes come from the network: a GET of one address, its body as text, and the
// same bytes into a file when asked.
namespace obzorka::sync {

// "http://" + host + path, the path and each value percent-encoded from their windows-1250
// bytes, as the listing server reads them: a password with "&" or a file name with a blank,
// "?", "#" or "č" travels whole. The path keeps its "/".
QUrl requestUrl(const QString& host, const QString& path,
                const QList<std::pair<QString, QString>>& values = {});

// Whether windows-1250 has a code for every character of the text: a file name that it has
// not cannot be asked for.
bool fitsWindows1250(const QString& text);

// What one fetch brought.
struct Fetched
{
    QString body;   // decoded from windows-1250; empty when no reply came
    int status = 0; // HTTP status of the last reply; 0 when none came (no connection, time-out,
                    // stop, a redirect to another server or too many of them)
    bool ok() const { return status >= 200 && status < 300; }
};

// Fetches addresses one at a time on the thread that made it, waiting in rounds of
// `roundMs` so that the stop flag ends a fetch within one round. A server that sends
// nothing for `timeoutMs`, or has not sent the whole reply `deadlineMs` after the fetch began
// (redirects included), ends the fetch as failed; so does a reply longer than its cap. Redirects
// are followed up to maxRedirects times on the same server; one to another server, or one
// more, fails.
class Fetcher
{
public:
    using Animation = std::function<void(int units)>;
    static constexpr int maxRedirects = 5;
    // The longest reply read for its text (a listing round, the station list) and for a file
    // (an illustration, a banner file).
    static constexpr qint64 maxTextBytes = 16 << 20;
    static constexpr qint64 maxFileBytes = 5 << 20;

    explicit Fetcher(const std::atomic<bool>& stop, Animation animate = {});

    // The reply; its body is the server's text also for an HTTP error status (a framed error
    // text may come with one). With a file name, only a successful reply whose body is not
    // blank and not a "404 Not Found" page is written there, whole, replacing an older file.
    Fetched readUrl(const QUrl& url, const QString& file = {});

    // Another fetcher like this one (stop flag, animation, limits) with connections of its
    // own, for another thread: made on that thread.
    std::unique_ptr<Fetcher> like() const;

    int roundMs = 100;
    int timeoutMs = 30000;
    int deadlineMs = 30000;

private:
    // One request without following redirects.
    struct Answer
    {
        Fetched fetched;
        QByteArray bytes; // the body as it came, for a file
        QUrl redirect;    // where a 3xx reply sends the client, empty otherwise
    };
    Answer getOnce(const QUrl& url, const QDeadlineTimer& deadline, qint64 maxBytes);

    const std::atomic<bool>& m_stop;
    Animation m_animate;
    QNetworkAccessManager m_network;
};

} // namespace obzorka::sync
