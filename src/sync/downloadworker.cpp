#include "sync/downloadworker.h"

#include "store/store.h"
#include "sync/fetcher.h"

namespace obzorka::sync {

DownloadWorker::DownloadWorker(QString dataFolder, const std::atomic<bool>& stop)
    : m_dataFolder(std::move(dataFolder)), m_stop(stop)
{
    qRegisterMetaType<RunResult>();
}

void DownloadWorker::run(const RunSettings& settings)
{
    store::Store store;
    RunResult result;
    if (store.otevridb(m_dataFolder, nullptr)) {
        Fetcher fetcher(m_stop, [this](int units) { emit animate(units); });
        RunSettings withChecks = settings;
        withChecks.reminderCheck = [this] { emit reminderCheckDue(); };
        withChecks.loggedIn = [this](const QString& newMessage) { emit loggedIn(newMessage); };
        withChecks.bannersFetched = [this] { emit bannersFetched(); };
        result = pln(store, fetcher, m_stop, withChecks);
    }
    emit finished(result);
}

} // namespace obzorka::sync
