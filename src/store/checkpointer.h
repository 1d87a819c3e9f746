#pragma once

#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>

struct sqlite3;

namespace obzorka::store {

class Store;

// Takes over the checkpoints of a connection that writes many transactions in a row (when it can
// open the store itself; else the writer keeps them): what they
// commit is copied from the write-ahead log into the store's file on a thread of its own, so
// that the writer goes on meanwhile. Left to the writing connection, every few commits one
// would wait for the copy. The copy never waits for a transaction, and takes only what is
// committed: a kill at any moment leaves the store as whole as before.
class Checkpointer
{
public:
    explicit Checkpointer(Store& writer);
    // Copies what is still in the log, then gives the checkpoints back to the writer.
    ~Checkpointer();
    Checkpointer(const Checkpointer&) = delete;
    Checkpointer& operator=(const Checkpointer&) = delete;

    // The writer has committed: time for a copy.
    void committed();

private:
    void work();

    Store& m_writer;
    sqlite3* m_db = nullptr;
    std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_due = false;
    bool m_closing = false;
    std::unique_ptr<QThread> m_thread;
};

} // namespace obzorka::store
