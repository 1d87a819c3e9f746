#include "listingserver.h"

#include "guardedserver.h"
#include "protocol.h"
#include "webpages.h"

#include <QDate>
#include <QRegularExpression>
#include <cstdlib>
#include <httplib.h>

namespace obzorka::server {
namespace {

constexpr GuardedServer::Limits limits;
// More headers than any browser or guide sends; the library adds four of its own.
constexpr size_t maxHeaders = 64 + 4;

const char* const textType = "text/html";

QString guideValue(const httplib::Request& request, const char* key)
{
    // The guide sends its values percent-encoded from windows-1250.
    return protocol::decode(QByteArray::fromStdString(request.get_param_value(key)));
}

QString webValue(const httplib::Request& request, const char* key)
{
    return QString::fromStdString(request.get_param_value(key));
}

void reply(httplib::Response& response, const QByteArray& body)
{
    response.set_content(body.toStdString(), textType);
}

// A file name of the request's path, which the guide percent-encodes from windows-1250 (the
// library has undone the percent-encoding).
QString fileName(const httplib::Request& request, int part)
{
    return protocol::decode(QByteArray::fromStdString(request.matches[part]));
}

// A file name from a request must be a plain name: no folders, no way out of one.
bool isPlainName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QStringLiteral("..")) &&
           !name.contains(QLatin1Char(':'));
}

// The library compresses with brotli at its top quality whenever a client offers it, and that
// costs more than building the page (about 30 ms for one day of eight stations, where gzip takes
// 1 ms for a reply only 15 % larger). So brotli is taken out of what the client accepts.
void offerOnlyGzip(httplib::Request& request)
{
    const std::string accepted = request.get_header_value("Accept-Encoding");
    request.headers.erase("Accept-Encoding");
    if (accepted.find("gzip") != std::string::npos)
        request.headers.emplace("Accept-Encoding", "gzip");
}

} // namespace

ListingServer::ListingServer(Listings served, Accounts& accounts)
    : m_served(std::make_shared<const ServedListings>(std::move(served))), m_accounts(accounts),
      m_http(std::make_unique<GuardedServer>(limits))
{
    using httplib::Request;
    using httplib::Response;
    m_http->Get("/program/tvdost.php", [this](const Request& q, Response& r) { login(q, r); });
    m_http->Get("/program/gener.php",
                [this](const Request& q, Response& r) { listings(q, r, false); });
    m_http->Get("/program/generzme.php",
                [this](const Request& q, Response& r) { listings(q, r, true); });
    m_http->Get(R"(/program/banner/([^/]+)/([^/]+))",
                [this](const Request& q, Response& r) { bannerFile(q, r); });
    m_http->Get("/program", [this](const Request& q, Response& r) { stationChoice(q, r); });
    m_http->Post("/program", [this](const Request& q, Response& r) { stationChoice(q, r); });
    m_http->Get("/proguziv/program", [this](const Request& q, Response& r) { accountPage(q, r); });
    m_http->Get(R"(/([^/]+))", [this](const Request& q, Response& r) { image(q, r); });
    // Replies go out as soon as they are written, not held back for the client's acknowledgement.
    m_http->set_tcp_nodelay(true);
    m_http->set_pre_routing_handler([this](const Request& q, Response& r) {
        ++m_requests;
        // Refused before a byte of its body is read: a request of more headers than anyone
        // sends, a body longer than any request of ours, or one that does not say its length.
        const bool longBody =
            std::strtoull(q.get_header_value("Content-Length").c_str(), nullptr, 10) >
                limits.bodyBytes ||
            q.get_header_value("Transfer-Encoding").find("chunked") != std::string::npos;
        if (longBody || q.headers.size() > maxHeaders) {
            r.status = longBody ? 413 : 431;
            r.set_header("Connection", "close");
            return httplib::Server::HandlerResponse::Handled;
        }
        auto& request = const_cast<Request&>(q); // the library's own object, handed over as const
        offerOnlyGzip(request);
        // A reply goes whole: a Range of many parts would make a small request a huge reply.
        request.headers.erase("Range");
        request.ranges.clear();
        return httplib::Server::HandlerResponse::Unhandled;
    });
    m_http->set_logger([this](const Request& q, const Response& r) { logRequest(q, r); });
    m_http->set_error_handler([](const Request&, Response& r) {
        if (r.body.empty())
            r.set_content(
                QStringLiteral("<HTML><BODY>Chyba %1</BODY></HTML>").arg(r.status).toStdString(),
                "text/html; charset=utf-8");
    });
}

ListingServer::~ListingServer()
{
    if (m_background.joinable()) {
        stop();
        m_background.join();
    }
}

std::shared_ptr<const ServedListings> ListingServer::served() const
{
    const std::lock_guard lock(m_servedLock);
    return m_served;
}

void ListingServer::serve(Listings listings)
{
    auto fresh = std::make_shared<const ServedListings>(std::move(listings));
    const std::lock_guard lock(m_servedLock);
    m_served.swap(fresh);
}

bool ListingServer::bind(const QString& address, int port)
{
    m_port = m_http->bindTo(address.toStdString(), port);
    return m_port > 0;
}

void ListingServer::serveInBackground()
{
    m_background = std::thread([this] {
        m_http->listen_after_bind();
        m_stopped.set_value();
    });
    while (!m_http->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void ListingServer::stop()
{
    m_http->stop();
}

bool ListingServer::stopAndWait(std::chrono::milliseconds longest)
{
    stop();
    return m_stopped.get_future().wait_for(longest) == std::future_status::ready;
}

void ListingServer::setLog(std::function<void(const QString&)> log)
{
    m_log = std::move(log);
}

std::optional<QStringList> ListingServer::logIn(const QString& name, const QString& password,
                                                const httplib::Request& request)
{
    const QString address = QString::fromStdString(request.remote_addr);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (m_brake.holds(name, address, now))
        return std::nullopt;
    const auto stations = m_accounts.logIn(name, password);
    if (!stations && m_brake.wrong(name, address, now) && m_log)
        m_log(QStringLiteral("Jméno „%1“ z adresy %2: %3 chybných hesel za minutu, minutu se "
                             "nezkouší.")
                  .arg(name, address)
                  .arg(GuessBrake::allowedWrong));
    return stations;
}

void ListingServer::logRequest(const httplib::Request& request, const httplib::Response& response)
{
    if (!m_log)
        return;
    // The name and password never reach the log.
    static const QRegularExpression account(QStringLiteral("([?&](jmeno|heslo)=)[^&]*"));
    // A request refused before its first line could be read has no method or path to tell.
    const QString target = request.method.empty()
                               ? QStringLiteral("-")
                               : QString::fromStdString(request.method + ' ' + request.target)
                                     .replace(account, QStringLiteral("\\1…"));
    const GuardedServer::Arrival& arrival = GuardedServer::arrival();
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - arrival.began);
    m_log(QStringLiteral("%1 %2 %3 %4 %5 B %6 ms")
              .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate),
                   QString::fromStdString(arrival.client), target)
              .arg(response.status)
              .arg(response.body.size())
              .arg(took.count()));
}

std::optional<QStringList> ListingServer::checkGuide(const httplib::Request& request,
                                                     httplib::Response& response)
{
    if (guideValue(request, "verze") != u"0.3") {
        reply(response, protocol::error(QStringLiteral("Špatná verze programu!")));
        return std::nullopt;
    }
    const auto stations =
        logIn(guideValue(request, "jmeno"), guideValue(request, "heslo"), request);
    if (!stations)
        reply(response, protocol::error(QStringLiteral("Špatné přístupové jméno nebo heslo!")));
    return stations;
}

void ListingServer::login(const httplib::Request& request, httplib::Response& response)
{
    const auto received = checkGuide(request, response);
    if (!received)
        return;
    const auto served = this->served();
    const Listings& listings = served->listings;
    protocol::LoginReply login;
    login.stations = listings.stations;
    login.received = *received;
    // The guide drops the entries of stations the user no longer receives.
    for (const Station& station : listings.stations)
        if (!received->contains(station.name))
            login.deleted << station.name;
    login.message = listings.message;
    login.clearBanners = true;
    const QDate today = QDate::currentDate();
    for (const Banner& banner : listings.banners)
        if (banner.lastDay >= today)
            login.banners << banner;
    reply(response, protocol::ok(protocol::loginBody(login)));
}

void ListingServer::listings(const httplib::Request& request, httplib::Response& response,
                             bool changes)
{
    const auto received = checkGuide(request, response);
    if (!received)
        return;
    // posl: "station,day;" for each station the guide already holds days of.
    QMap<QString, QDate> held;
    for (const QString& pair :
         guideValue(request, "posl").split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype comma = pair.lastIndexOf(QLatin1Char(','));
        const QDate day = comma > 0 ? protocol::parseDay(pair.mid(comma + 1)) : QDate();
        if (!day.isValid()) {
            reply(response, protocol::error(QStringLiteral("Chybný parametr posl.")));
            return;
        }
        held.insert(pair.left(comma).trimmed(), day);
    }
    const auto served = this->served();
    if (!changes) {
        const QDate yesterday = QDate::currentDate().addDays(-1);
        const QList<qsizetype> rows = served->index.nextDays(*received, held, yesterday);
        reply(response, served->listings.programmes.records(rows) + protocol::ok(QString()));
        return;
    }
    // Only a day the guide holds can have changed for it.
    const ProgrammeTable& changed = served->listings.changes;
    QList<qsizetype> rows;
    for (qsizetype row = 0; row < changed.size(); ++row)
        if (received->contains(changed.station(row)) &&
            changed.day(row) <= held.value(changed.station(row)))
            rows << row;
    reply(response, changed.records(rows) + protocol::ok(QString()));
}

void ListingServer::bannerFile(const httplib::Request& request, httplib::Response& response)
{
    const QString id = fileName(request, 1);
    const QString name = fileName(request, 2);
    const auto served = this->served();
    for (const Banner& banner : served->listings.banners) {
        if (banner.id != id || !isPlainName(name))
            continue;
        if (name == u"index.html") {
            response.set_content(banner.indexHtml.toStdString(), "text/html; charset=utf-8");
            return;
        }
        const QByteArray bytes =
            name == u"banner.gif" ? banner.bannerGif : banner.otherFiles.value(name);
        if (!bytes.isEmpty()) {
            response.set_content(bytes.toStdString(),
                                 name.endsWith(QStringLiteral(".gif")) ? "image/gif" : "image/png");
            return;
        }
    }
    response.status = 404;
}

void ListingServer::image(const httplib::Request& request, httplib::Response& response)
{
    const QString name = fileName(request, 1);
    const auto served = this->served();
    const auto found = served->listings.images.constFind(name);
    if (!isPlainName(name) || found == served->listings.images.constEnd()) {
        response.status = 404;
        return;
    }
    response.set_content(found->toStdString(), "image/png");
}

void ListingServer::stationChoice(const httplib::Request& request, httplib::Response& response)
{
    const QString name = webValue(request, "jmeno");
    const QString password = webValue(request, "heslo");
    const auto served = this->served();
    const QList<Station>& stations = served->listings.stations;
    QString page;
    if (name.isEmpty()) {
        page = webpages::loginForm();
    } else if (request.method == "POST") {
        QStringList chosen;
        for (const Station& station : stations)
            if (request.has_param(QStringLiteral("s%1").arg(station.number).toStdString()))
                chosen << station.name;
        QString problem = QStringLiteral("Špatné přístupové jméno nebo heslo!");
        page = logIn(name, password, request) &&
                       m_accounts.setStations(name, password, chosen, &problem)
                   ? webpages::saved(chosen)
                   : webpages::message(problem);
    } else if (const auto received = logIn(name, password, request)) {
        page = webpages::choiceForm(name, password, stations, *received);
    } else {
        page = webpages::message(QStringLiteral("Špatné přístupové jméno nebo heslo!"));
    }
    response.set_content(page.toStdString(), "text/html; charset=utf-8");
}

void ListingServer::accountPage(const httplib::Request&, httplib::Response& response)
{
    response.set_content(webpages::accountPage().toStdString(), "text/html; charset=utf-8");
}

} // namespace obzorka::server
