#include "store/checkpointer.h"

#include "store/store.h"

#include <QFile>
#include <sqlite3.h>

namespace obzorka::store {

Checkpointer::Checkpointer(Store& writer) : m_writer(writer)
{
    m_writer.provedsql(QStringLiteral("PRAGMA wal_autocheckpoint=0"));
    m_thread.reset(QThread::create([this, file = writer.fileName()] { work(file); }));
    m_thread->start();
}

Checkpointer::~Checkpointer()
{
    {
        const std::lock_guard lock(m_lock);
        m_closing = true;
    }
    m_changed.notify_all();
    m_thread->wait();
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

void Checkpointer::work(const QString& file)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW, nullptr) != SQLITE_OK) {
        // Without a connection of its own the log is copied when the store is next closed.
        sqlite3_close(db);
        return;
    }
    // A connection finds the log only once it has read the store.
    sqlite3_exec(db, "PRAGMA schema_version", nullptr, nullptr, nullptr);
    for (bool last = false; !last;) {
        {
            std::unique_lock lock(m_lock);
            m_changed.wait(lock, [this] { return m_due || m_closing; });
            last = m_closing;
            m_due = false;
        }
        sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    }
    sqlite3_close(db);
}

} // namespace obzorka::store
