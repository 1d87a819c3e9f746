#pragma once

#include "sync/fetcher.h"
#include "sync/listingimport.h"
#include "sync/login.h"

#include <QThread>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace obzorka::sync {

// Fetches and reads listing rounds on a thread of its own, so that the next round comes in
// while the last one is merged: `ask` sends a round's request, `take` waits for its reply and
// records. One round is asked at a time.
class RoundReader
{
public:
    struct Round
    {
        Fetched fetched;
        Reply reply;
        Records records; // read only from a whole ".OK." reply
    };

    // Its fetcher is one like `like` (stop flag, animation, limits); `address` is the request
    // of the round with that posl.
    RoundReader(const Fetcher& like, std::function<QUrl(const QString& posl)> address);
    ~RoundReader();
    RoundReader(const RoundReader&) = delete;
    RoundReader& operator=(const RoundReader&) = delete;

    void ask(const QString& posl);
    Round take();

private:
    void work(const Fetcher& like);

    std::function<QUrl(const QString&)> m_address;
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::optional<QString> m_asked;
    std::optional<Round> m_ready;
    bool m_closing = false;
    std::unique_ptr<QThread> m_thread;
};

} // namespace obzorka::sync
