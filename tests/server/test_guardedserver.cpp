#include "guardedserver.h"

#include <future>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace obzorka::server;
using namespace std::chrono_literals;

namespace {

// A server of one page with short limits on a free loopback port, and raw connections to it.
class Guarded : public ::testing::Test
{
protected:
    void SetUp() override
    {
        server.Get("/", [](auto&, httplib::Response& r) { r.set_content("ok", "text/plain"); });
        port = server.bindTo("127.0.0.1", 0);
        serving = std::async(std::launch::async, [this] { server.listen_after_bind(); });
        while (!server.is_running())
            std::this_thread::sleep_for(1ms);
    }
    void TearDown() override
    {
        server.stop();
        serving.wait();
        for (const int socket : sockets)
            close(socket);
    }
    int connectTo()
    {
        const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{AF_INET, htons(uint16_t(port)), {htonl(INADDR_LOOPBACK)}, {}};
        EXPECT_EQ(connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        const timeval patience{5, 0}; // far past every limit: a reply that never comes shows
        setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        sockets.push_back(socket);
        return socket;
    }
    // What the server answers before it closes the connection; "<open>" when it keeps it open.
    static std::string answer(int socket)
    {
        std::string reply;
        char buffer[4096];
        for (ssize_t got; (got = recv(socket, buffer, sizeof buffer, 0)) != 0;) {
            if (got < 0)
                return "<open>";
            reply.append(buffer, size_t(got));
        }
        return reply.substr(0, reply.find("\r\n"));
    }
    static bool stillOpen(int socket)
    {
        char byte;
        return recv(socket, &byte, 1, MSG_DONTWAIT) < 0 && errno == EAGAIN;
    }
    // Sends a byte every 50 ms, until the server closes the connection or the test ends.
    std::future<void> drip(int socket)
    {
        return std::async(std::launch::async, [this, socket] {
            while (!ended && send(socket, "G", 1, MSG_NOSIGNAL) == 1)
                std::this_thread::sleep_for(50ms);
        });
    }

    GuardedServer server{{300ms, 600ms, 60s, 2048, 64 * 1024, 24, 8}};
    std::future<void> serving;
    int port = 0;
    std::vector<int> sockets;
    std::atomic<bool> ended{false};
};

} // namespace

// A connection that sends nothing, dribbles a head, or sends a head beyond the cap is closed
// within its limits; a head cut at the cap is answered as a bad request. A sound one is
// answered and the connection closed when it asks.
TEST_F(Guarded, EachConnectionEndsWithinItsLimits)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"GET / HTTP/1.1\r\nX: " + std::string(5000, 'a') + "\r\n\r\n", "HTTP/1.1 400 Bad Request"},
        {"GET /" + std::string(5000, 'a') + " HTTP/1.1\r\n\r\n", "HTTP/1.1 400 Bad Request"},
        {"GET / HTTP/1.1\r\n" + std::string(3000, '\n'), "HTTP/1.1 400 Bad Request"},
        {"GET / HTTP/1.1\r\nConnection: close\r\n\r\n", "HTTP/1.1 200 OK"},
    };
    for (const auto& [sent, reply] : cases) {
        const int socket = connectTo();
        send(socket, sent.data(), sent.size(), MSG_NOSIGNAL);
        EXPECT_EQ(answer(socket), reply) << sent.substr(0, 20);
    }
    const int dripping = connectTo();
    const auto dripped = drip(dripping);
    EXPECT_EQ(answer(dripping), "");
}

// Slow clients hold no one up: with 16 of them dribbling their heads, a request is answered
// while they are still connected, and a stop ends the server at once.
TEST_F(Guarded, SlowClientsLeaveOthersServedAndAStopIsPrompt)
{
    std::vector<std::future<void>> drips;
    std::vector<int> slow;
    for (int i = 0; i < 16; ++i) {
        slow.push_back(connectTo());
        drips.push_back(drip(slow.back()));
    }
    const int normal = connectTo();
    const std::string request = "GET / HTTP/1.1\r\nConnection: close\r\n\r\n";
    send(normal, request.data(), request.size(), MSG_NOSIGNAL);
    EXPECT_EQ(answer(normal), "HTTP/1.1 200 OK");
    for (const int socket : slow)
        EXPECT_TRUE(stillOpen(socket));
    server.stop();
    EXPECT_EQ(serving.wait_for(1s), std::future_status::ready);
    ended = true;
}
