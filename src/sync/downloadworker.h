#pragma once

#include "sync/downloadrun.h"

#include <QObject>
#include <atomic>

namespace obzorka::sync {

// Runs download runs on the thread it lives in, with a store connection and a network
// access of that thread, so that the window never waits for the network or the import.
// It reports through queued signals only.
class DownloadWorker : public QObject
{
    Q_OBJECT

public:
    DownloadWorker(QString dataFolder, const std::atomic<bool>& stop);

    // One run; call it through a queued invocation so that it runs on the worker's thread.
    void run(const obzorka::sync::RunSettings& settings);

signals:
    void animate(int units);
    // Between listing rounds and before each image: a reminder may be due meanwhile.
    void reminderCheckDue();
    // The login has stored the stations and the message (given when it is new, to show once).
    void loggedIn(const QString& newMessage);
    // The banners have arrived.
    void bannersFetched();
    void finished(const obzorka::sync::RunResult& result);

private:
    QString m_dataFolder;
    const std::atomic<bool>& m_stop;
};

} // namespace obzorka::sync

Q_DECLARE_METATYPE(obzorka::sync::RunResult)
