#pragma once

#include "accounts.h"
#include "guessbrake.h"
#include "listing.h"
#include "paging.h"

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

namespace obzorka::server {

class GuardedServer;

// Listings with their index by station and day, as one request sees them from its start to its end.
struct ServedListings
{
    explicit ServedListings(Listings served)
        : listings(std::move(served)), index(listings.programmes)
    {
    }

    const Listings listings;
    const ListingIndex index;
};

// The listing server's HTTP side: the guide's three endpoints under /program, the banner
// files, the illustrations at the root, and the station choice and account web pages. It
// serves the listings it is given; the accounts decide who may fetch them.
class ListingServer
{
public:
    ListingServer(Listings listings, Accounts& accounts);
    ~ListingServer();

    // The listings being served.
    std::shared_ptr<const ServedListings> served() const;
    // Serves these listings from now on; requests already begun finish on the ones they began with.
    void serve(Listings listings);
    // Where each request is told when it has been answered (time, client, path without the
    // name and password, status, bytes, milliseconds), and the brake on guessing speaks. Set
    // before the first request; it may be called after the server has answered its last.
    void setLog(std::function<void(const QString& line)> log);

    // Binds to the address; port 0 picks a free one. False when the address cannot be used.
    bool bind(const QString& address, int port);
    int port() const { return m_port; }
    // How many requests have come in since it started.
    int requestCount() const { return m_requests; }
    // Serves on a thread of its own until stop() or the end of the server; returns once
    // requests are being taken, so that a stop right after cannot be missed.
    void serveInBackground();
    void stop();
    // Stops, and tells whether the requests being answered ended within the time.
    bool stopAndWait(std::chrono::milliseconds longest);

private:
    void login(const httplib::Request& request, httplib::Response& response);
    void listings(const httplib::Request& request, httplib::Response& response, bool changes);
    void bannerFile(const httplib::Request& request, httplib::Response& response);
    void image(const httplib::Request& request, httplib::Response& response);
    void stationChoice(const httplib::Request& request, httplib::Response& response);
    void accountPage(const httplib::Request& request, httplib::Response& response);
    // The account's stations, or nothing after writing the error reply for the guide.
    std::optional<QStringList> checkGuide(const httplib::Request& request,
                                          httplib::Response& response);
    // The stations of the account, or nothing for a wrong name or password, or for a name the
    // brake holds back from the client's address.
    std::optional<QStringList> logIn(const QString& name, const QString& password,
                                     const httplib::Request& request);
    void logRequest(const httplib::Request& request, const httplib::Response& response);

    mutable std::mutex m_servedLock;
    std::shared_ptr<const ServedListings> m_served;
    Accounts& m_accounts;
    GuessBrake m_brake;
    std::function<void(const QString&)> m_log;
    std::unique_ptr<GuardedServer> m_http;
    int m_port = 0;
    std::atomic<int> m_requests{0};
    std::thread m_background;
    std::promise<void> m_stopped;
};

} // namespace obzorka::server
