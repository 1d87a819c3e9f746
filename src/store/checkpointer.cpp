#include "store/checkpointer.h"

#include "store/store.h"

#include <QFile>
#include <sqlite3.h>

namespace obzorka::store {

Checkpointer::Checkpointer(Store& writer) : m_writer(writer)
{
    // Opened here, so that the writer gives up its checkpoints only to a connection that has
    // the file; the thread then uses it alone.
    const QByteArray file = QFile::encodeName(writer.fileName());
    if (sqlite3_open_v2(file.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW,
                        nullptr) != SQLITE_OK ||
        // A connection finds the log only once it has read the store.
        sqlite3_exec(m_db, "PRAGMA schema_version", nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_close(std::exchange(m_db, nullptr));
        return;
    }
    m_writer.provedsql(QStringLiteral("PRAGMA wal_autocheckpoint=0"));
    m_thread.reset(QThread::create([this] { work(); }));
    // It runs when a processor is free: beside the merge and the window it would take their time.
    m_thread->start(QThread::IdlePriority);
}

Checkpointer::~Checkpointer()
{
    if (!m_thread)
        return;
    {
        const std::lock_guard lock(m_lock);
        m_closing = true;
    }
    m_changed.notify_all();
    m_thread->wait();
    sqlite3_close(m_db);
    // A store closed by a failed statement meanwhile has nothing to give back to.
    if (m_writer.isOpen())
        m_writer.provedsql(QStringLiteral("PRAGMA wal_autocheckpoint=1000"));
}

void Checkpointer::committed()
{
    {
        const std::lock_guard lock(m_lock);
        m_due = true;
    }
    m_changed.notify_all();
}

void Checkpointer::work()
{
    for (bool last = false; !last;) {
        {
            std::unique_lock lock(m_lock);
            m_changed.wait(lock, [this] { return m_due || m_closing; });
            last = m_closing;
            m_due = false;
        }
        sqlite3_wal_checkpoint_v2(m_db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    }
}

} // namespace obzorka::store
