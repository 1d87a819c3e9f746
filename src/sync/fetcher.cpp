#include "sync/fetcher.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkReply>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTimer>

namespace obzorka::sync {

QUrl requestUrl(const QString& host, const QString& path,
                const QList<std::pair<QString, QString>>& values)
{
    QStringEncoder encode("windows-1250", QStringConverter::Flag::Default);
    QByteArray address =
        "http://" + host.toUtf8() + QByteArray(encode(path)).toPercentEncoding("/");
    char separator = '?';
    for (const auto& [key, value] : values) {
        address += separator + key.toUtf8() + '=' + QByteArray(encode(value)).toPercentEncoding();
        separator = '&';
    }
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}

bool fitsWindows1250(const QString& text)
{
    QStringEncoder encode("windows-1250", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encode(text);
    return !encode.hasError();
}

Fetcher::Fetcher(const std::atomic<bool>& stop, Animation animate)
    : m_stop(stop), m_animate(std::move(animate))
{
    // Replies are read whole and passed on; nothing is kept between fetches.
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

std::unique_ptr<Fetcher> Fetcher::like() const
{
    auto twin = std::make_unique<Fetcher>(m_stop, m_animate);
    twin->roundMs = roundMs;
    twin->timeoutMs = timeoutMs;
    twin->deadlineMs = deadlineMs;
    return twin;
}

Fetched Fetcher::readUrl(const QUrl& url, const QString& file)
{
    QUrl address = url;
    Answer answer;
    const QDeadlineTimer deadline(deadlineMs);
    const qint64 maxBytes = file.isEmpty() ? maxTextBytes : maxFileBytes;
    for (int redirects = 0;; ++redirects) {
        answer = getOnce(address, deadline, maxBytes);
        if (answer.redirect.isEmpty())
            break;
        // Only the server asked may answer: a redirect elsewhere, or a loop, is a failed fetch.
        const QUrl& next = answer.redirect;
        const bool sameServer = next.scheme() == address.scheme() &&
                                next.host() == address.host() && next.port() == address.port();
        if (!sameServer || redirects == maxRedirects)
            return {};
        address = next;
    }

    const Fetched& fetched = answer.fetched;
    if (!file.isEmpty() && fetched.ok() && !fetched.body.trimmed().isEmpty() &&
        !fetched.body.contains(QStringLiteral("<TITLE>404 Not Found</TITLE>"))) {
        QSaveFile out(file);
        if (out.open(QIODevice::WriteOnly) && out.write(answer.bytes) == answer.bytes.size())
            out.commit();
    }
    return fetched;
}

Fetcher::Answer Fetcher::getOnce(const QUrl& url, const QDeadlineTimer& deadline, qint64 maxBytes)
{
    // A stop raised before the request leaves means it never leaves.
    if (m_stop)
        return {};
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    // The body is wanted as the server wrote it: the replies are small, and packing them costs
    // both ends more time than it saves on the wire.
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* reply = m_network.get(request);
    // Held back at the cap: a reply longer than that is never read whole.
    reply->setReadBufferSize(maxBytes + 1);

    // The wait goes in rounds: each lets the stop flag end the fetch and moves the tray icon.
    QEventLoop wait;
    QTimer round;
    round.setInterval(roundMs);
    QObject::connect(&round, &QTimer::timeout, &wait, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    // A reply that says or grows longer than the cap is not read on.
    QObject::connect(reply, &QNetworkReply::downloadProgress, &wait,
                     [maxBytes, reply](qint64 received, qint64 total) {
                         if (received > maxBytes || total > maxBytes)
                             reply->abort();
                     });
    QObject::connect(reply, &QNetworkReply::readyRead, &wait, [this] {
        if (m_animate)
            m_animate(301);
    });
    round.start();
    while (!reply->isFinished() && !m_stop && !deadline.hasExpired()) {
        wait.exec();
        if (m_animate)
            m_animate(1);
    }
    if (!reply->isFinished())
        reply->abort();

    // Errors below 200 are the connection's (refused, closed halfway, timed out, stopped, cut
    // off at the deadline or the cap): no whole reply came. Above, the server answered with an
    // error status and its own text.
    const QNetworkReply::NetworkError error = reply->error();
    const bool replied = !m_stop && reply->bytesAvailable() <= maxBytes &&
                         (error == QNetworkReply::NoError || error >= 200);
    Answer answer;
    if (replied) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.bytes = reply->readAll();
        answer.fetched = {QStringDecoder("windows-1250")(answer.bytes), status};
        const QByteArray location = reply->rawHeader("Location");
        if (status >= 300 && status < 400 && !location.isEmpty())
            answer.redirect = url.resolved(QUrl::fromEncoded(location));
    }
    reply->deleteLater();
    return answer;
}

} // namespace obzorka::sync
