#include "sync/roundreader.h"

namespace obzorka::sync {

RoundReader::RoundReader(const Fetcher& like, std::function<QUrl(const QString& posl)> address)
    : m_address(std::move(address))
{
    m_thread.reset(QThread::create([this, &like] { work(like); }));
    m_thread->start();
}

RoundReader::~RoundReader()
{
    {
        const std::lock_guard lock(m_lock);
        m_closing = true;
    }
    m_changed.notify_all();
    m_thread->wait();
}

void RoundReader::ask(const QString& posl)
{
    {
        const std::lock_guard lock(m_lock);
        m_asked = posl;
        m_ready.reset();
    }
    m_changed.notify_all();
}

RoundReader::Round RoundReader::take()
{
    std::unique_lock lock(m_lock);
    m_changed.wait(lock, [this] { return m_ready.has_value(); });
    Round round = std::move(*m_ready);
    m_ready.reset();
    return round;
}

void RoundReader::work(const Fetcher& like)
{
    // Made here: a fetcher's connections belong to the thread that made it.
    const std::unique_ptr<Fetcher> fetcher = like.like();
    for (;;) {
        QString posl;
        {
            std::unique_lock lock(m_lock);
            m_changed.wait(lock, [this] { return m_closing || m_asked.has_value(); });
            if (m_closing)
                return;
            posl = *std::exchange(m_asked, std::nullopt);
        }
        Round round;
        round.fetched = fetcher->readUrl(m_address(posl));
        round.reply = parseReply(round.fetched.body);
        if (round.fetched.ok() && round.reply.kind == Reply::Kind::Ok)
            round.records = parseRecords(round.reply.body);
        {
            const std::lock_guard lock(m_lock);
            m_ready = std::move(round);
        }
        m_changed.notify_all();
    }
}

} // namespace obzorka::sync
