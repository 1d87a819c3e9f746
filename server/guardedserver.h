#pragma once

#include <chrono>
#include <httplib.h>

namespace obzorka::server {

// The HTTP server with the bounds a server in the open needs and the library does not set: a
// connection waits a short while for its next request, each request (head and body) must arrive
// whole within a deadline from its first byte, its head within a size, and its reply must leave
// within a deadline too. The library still does all the reading and writing of HTTP; this only
// decides how long and how much a connection may take.
class GuardedServer : public httplib::Server
{
public:
    struct Limits
    {
        std::chrono::milliseconds idle{2000};
        std::chrono::milliseconds request{5000};
        std::chrono::milliseconds reply{60000};
        size_t headBytes = 16 * 1024;
        size_t bodyBytes = 64 * 1024;
        // Enough workers that idle or slow connections leave others to be served.
        size_t workers = 96;
        // Connections taken but not yet served; beyond them new ones wait in the system's queue.
        size_t queued = 256;
    };

    // The request being answered on the calling worker thread: when its first byte came, and
    // from which address, known also of a request refused before its head could be read.
    struct Arrival
    {
        std::chrono::steady_clock::time_point began;
        std::string client;
    };

    explicit GuardedServer(const Limits& limits);

    static const Arrival& arrival();

    // Binds to the address (port 0 picks a free one) with a queue of connections not yet taken
    // as long as the system allows. The port, or 0 when the address cannot be used.
    int bindTo(const std::string& address, int port);

private:
    bool process_and_close_socket(socket_t socket) override;

    Limits m_limits;
    int m_listening = -1;
};

} // namespace obzorka::server
