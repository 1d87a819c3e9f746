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
    QByteArray address = "http://" + host.toUtf8() + path.toUtf8();
    QStringEncoder encode("windows-1250", QStringConverter::Flag::Default);
    char separator = '?';
    for (const auto& [key, value] : values) {
        address += separator + key.toUtf8() + '=' + QByteArray(encode(value)).toPercentEncoding();
        separator = '&';
    }
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}

Fetcher::Fetcher(const std::atomic<bool>& stop, Animation animate)
    : m_stop(stop), m_animate(std::move(animate))
{
    // Replies are read whole and passed on; nothing is kept between fetches.
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

QString Fetcher::readUrl(const QUrl& url, const QString& file)
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

    // The wait goes in rounds: each lets the stop flag end the fetch and moves the tray icon.
    QEventLoop wait;
    QTimer round;
    round.setInterval(roundMs);
    QObject::connect(&round, &QTimer::timeout, &wait, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::readyRead, &wait, [this] {
        if (m_animate)
            m_animate(301);
    });
    round.start();
    while (!reply->isFinished() && !m_stop) {
        wait.exec();
        if (m_animate)
            m_animate(1);
    }
    if (!reply->isFinished())
        reply->abort();

    const bool failed = m_stop || reply->error() != QNetworkReply::NoError;
    const QByteArray bytes = failed ? QByteArray() : reply->readAll();
    reply->deleteLater();
    if (failed)
        return {};
    const QString body = QStringDecoder("windows-1250")(bytes);

    if (!file.isEmpty() && !body.trimmed().isEmpty() &&
        !body.contains(QStringLiteral("<TITLE>404 Not Found</TITLE>"))) {
        QSaveFile out(file);
        if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size())
            out.commit();
    }
    return body;
}

} // namespace obzorka::sync
