#include "guardedserver.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace obzorka::server {
namespace {

using Clock = std::chrono::steady_clock;

// How often a wait on a connection looks whether the server is stopping.
constexpr std::chrono::milliseconds stopCheck{100};

thread_local GuardedServer::Arrival arrived;

void numericAddress(int socket, bool peer, std::string& ip, int& port)
{
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    auto* plain = reinterpret_cast<sockaddr*>(&address);
    if ((peer ? getpeername(socket, plain, &length) : getsockname(socket, plain, &length)) != 0)
        return;
    std::array<char, NI_MAXHOST> host{};
    std::array<char, NI_MAXSERV> service{};
    if (getnameinfo(plain, length, host.data(), host.size(), service.data(), service.size(),
                    NI_NUMERICHOST | NI_NUMERICSERV) == 0) {
        ip = host.data();
        port = std::atoi(service.data());
    }
}

// One connection's socket, read and written within the server's limits. Reads are buffered,
// since the library reads a request's head a byte at a time.
class GuardedStream final : public httplib::Stream
{
public:
    GuardedStream(int socket, const GuardedServer::Limits& limits,
                  const std::atomic<socket_t>& listening)
        : m_socket(socket), m_limits(limits), m_listening(listening)
    {
        int port = 0;
        arrived.client.clear();
        get_remote_ip_and_port(arrived.client, port);
    }

    // Waits for the first byte of the next request: false when none comes within the idle time,
    // the last request was cut at its cap, or the server stops. The request's deadlines and its
    // head's cap count from then.
    bool awaitRequest()
    {
        if (m_capped || (!buffered() && !ready(POLLIN, Clock::now() + m_limits.idle)))
            return false;
        arrived.began = Clock::now();
        m_readBy = arrived.began + m_limits.request;
        m_writeBy = arrived.began + m_limits.reply;
        m_readLeft = m_limits.headBytes;
        return true;
    }
    // The head has come whole; the body may follow, up to its own cap.
    void headRead() { m_readLeft = m_limits.bodyBytes; }

    bool is_readable() const override { return buffered() || ready(POLLIN, m_readBy); }
    bool is_writable() const override { return ready(POLLOUT, m_writeBy); }

    ssize_t read(char* data, size_t size) override
    {
        // At its cap a request ends as if the client had ended it, so the library answers what
        // it has (a line too long, a head cut short) and the connection closes after that.
        if (m_readLeft == 0) {
            m_capped = true;
            return 0;
        }
        size = std::min(size, m_readLeft);
        if (!is_readable())
            return -1;
        if (!buffered()) {
            const ssize_t got = recv(m_socket, m_buffer.data(), m_buffer.size(), 0);
            if (got <= 0)
                return got;
            m_begin = 0;
            m_end = size_t(got);
        }
        size = std::min(size, m_end - m_begin);
        std::memcpy(data, m_buffer.data() + m_begin, size);
        m_begin += size;
        m_readLeft -= size;
        return ssize_t(size);
    }

    ssize_t write(const char* data, size_t size) override
    {
        for (size_t sent = 0; sent < size;) {
            if (!is_writable())
                return -1;
            const ssize_t wrote = send(m_socket, data + sent, size - sent, MSG_NOSIGNAL);
            if (wrote < 0 && errno != EINTR && errno != EAGAIN)
                return -1;
            sent += size_t(std::max<ssize_t>(wrote, 0));
        }
        return ssize_t(size);
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override
    {
        numericAddress(m_socket, true, ip, port);
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override
    {
        numericAddress(m_socket, false, ip, port);
    }
    socket_t socket() const override { return m_socket; }

private:
    bool buffered() const { return m_begin < m_end; }

    // Whether the socket is ready for the events before the deadline, and before the server stops.
    bool ready(short events, Clock::time_point deadline) const
    {
        pollfd watched{m_socket, events, 0};
        while (m_listening != INVALID_SOCKET) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return false;
            const int found = poll(&watched, 1, int(std::min(left, stopCheck).count()));
            if (found > 0)
                return true; // a hang-up or error too, for the recv or send to tell
            if (found < 0 && errno != EINTR)
                return false;
        }
        return false;
    }

    int m_socket;
    const GuardedServer::Limits& m_limits;
    const std::atomic<socket_t>& m_listening;
    Clock::time_point m_readBy;
    Clock::time_point m_writeBy;
    size_t m_readLeft = 0;
    bool m_capped = false;
    std::array<char, 4096> m_buffer{};
    size_t m_begin = 0;
    size_t m_end = 0;
};

// Worker threads taking connections from a queue of bounded length. While it is full the
// acceptor waits, so further connections wait in the system's queue rather than in memory.
class BoundedTaskQueue final : public httplib::TaskQueue
{
public:
    BoundedTaskQueue(size_t workers, size_t longest) : m_longest(longest)
    {
        for (size_t i = 0; i < workers; ++i)
            m_workers.emplace_back([this] { work(); });
    }

    void enqueue(std::function<void()> task) override
    {
        std::unique_lock lock(m_lock);
        m_room.wait(lock, [this] { return m_tasks.size() < m_longest; });
        m_tasks.push_back(std::move(task));
        m_ready.notify_one();
    }

    // Every task queued is still run, so that each connection taken is closed.
    void shutdown() override
    {
        {
            const std::lock_guard lock(m_lock);
            m_closing = true;
        }
        m_ready.notify_all();
        for (std::thread& worker : m_workers)
            worker.join();
    }

private:
    void work()
    {
        for (;;) {
            std::function<void()> task;
            {
                std::unique_lock lock(m_lock);
                m_ready.wait(lock, [this] { return m_closing || !m_tasks.empty(); });
                if (m_tasks.empty())
                    return;
                task = std::move(m_tasks.front());
                m_tasks.pop_front();
            }
            m_room.notify_one();
            task();
        }
    }

    const size_t m_longest;
    std::mutex m_lock;
    std::condition_variable m_ready;
    std::condition_variable m_room;
    std::deque<std::function<void()>> m_tasks;
    bool m_closing = false;
    std::vector<std::thread> m_workers;
};

} // namespace

GuardedServer::GuardedServer(const Limits& limits) : m_limits(limits)
{
    new_task_queue = [this] { return new BoundedTaskQueue(m_limits.workers, m_limits.queued); };
    set_payload_max_length(m_limits.bodyBytes);
}

const GuardedServer::Arrival& GuardedServer::arrival()
{
    return arrived;
}

int GuardedServer::bindTo(const std::string& address, int port)
{
    // Kept in the server, which holds on to the function after the bind.
    set_socket_options([this](int socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        m_listening = socket;
    });
    if (port == 0)
        port = std::max(bind_to_any_port(address), 0);
    else if (!bind_to_port(address, port))
        port = 0;
    // The library's queue holds five; when more clients than that connect at once, the rest
    // would wait a second for their retry.
    if (port > 0)
        ::listen(m_listening, SOMAXCONN);
    return port;
}

bool GuardedServer::process_and_close_socket(socket_t socket)
{
    GuardedStream stream(socket, m_limits, svr_sock_);
    bool answered = false;
    for (size_t left = keep_alive_max_count_; left > 0 && stream.awaitRequest(); --left) {
        bool closed = false;
        answered = process_request(stream, left == 1, closed,
                                   [&stream](httplib::Request&) { stream.headRead(); });
        if (!answered || closed)
            break;
    }
    ::shutdown(socket, SHUT_RDWR);
    ::close(socket);
    return answered;
}

} // namespace obzorka::server
