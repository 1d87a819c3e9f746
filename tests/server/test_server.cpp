#include "accounts.h"
#include "demolistings.h"
#include "listingserver.h"
#include "protocol.h"

#include <QFile>
#include <QMutex>

#include <QHash>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <httplib.h>

using namespace obzorka::server;

namespace {

// The server with the demo listings on a free loopback port; a new account receives ČT1, ČT2
// and Markíza.
class Server : public ::testing::Test
{
protected:
    void SetUp() override
    {
        listings = demoListings(QDate::currentDate(), 7);
        accounts =
            std::make_unique<Accounts>(folder.path(), true, QStringList{"ČT1", "ČT2", "Markíza"});
        ASSERT_EQ(accounts->problem(), "");
        server = std::make_unique<ListingServer>(listings, *accounts);
        ASSERT_TRUE(server->bind("127.0.0.1", 0));
        server->serveInBackground();
        client = std::make_unique<httplib::Client>("127.0.0.1", server->port());
        client->set_read_timeout(10, 0);
    }
    // A guide request with its values percent-encoded from windows-1250, as the guide sends.
    static std::string path(const char* script, const QList<std::pair<QString, QString>>& values)
    {
        QString query;
        for (const auto& [key, value] : values)
            query += (query.isEmpty() ? u'?' : u'&') + key + u'=' +
                     QString::fromLatin1(protocol::encode(value).toPercentEncoding());
        return QString(QStringLiteral("/program/") + script + query).toStdString();
    }
    QString get(const std::string& target)
    {
        const auto result = client->Get(target);
        return result ? protocol::decode(QByteArray::fromStdString(result->body)) : "<none>";
    }
    QString login(const QString& name = "eva", const QString& password = "tajné & heslo",
                  const QString& version = "0.3")
    {
        return get(path("tvdost.php", {{"jmeno", name}, {"heslo", password}, {"verze", version}}));
    }
    std::string gener(const QString& posl, const char* script = "gener.php")
    {
        return path(
            script,
            {{"jmeno", "eva"}, {"heslo", "tajné & heslo"}, {"posl", posl}, {"verze", "0.3"}});
    }
    int records(const QString& posl, const char* script = "gener.php")
    {
        const QString reply = get(gener(posl, script));
        EXPECT_TRUE(reply.endsWith(".OK.")) << reply.left(80).toStdString();
        return int(
            reply.chopped(4).split(QChar(protocol::recordSeparator), Qt::SkipEmptyParts).size());
    }

    QTemporaryDir folder;
    Listings listings;
    std::unique_ptr<Accounts> accounts;
    std::unique_ptr<ListingServer> server;
    std::unique_ptr<httplib::Client> client;
};

} // namespace

// The login body: the stations with their received flag, the deletions (the stations not
// received), the message and the banners; a wrong version or account is an error text in
// windows-1250.
TEST_F(Server, LoginBodyAndErrorReplies)
{
    const QStringList lines = login("eva", "první").chopped(4).mid(1).split("\r\n");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("1ČT1;1,1ČT2;2,0Nova;3,") &&
                lines[0].contains("1Markíza;1001"));
    EXPECT_TRUE(lines[1].contains("Nova;") && !lines[1].contains("ČT1"));
    EXPECT_EQ(lines[2], listings.message);
    EXPECT_TRUE(lines[3].startsWith("1demo1:"));
    const QString version = "Špatná verze programu!.ER.";
    const QString account = "Špatné přístupové jméno nebo heslo!.ER.";
    const std::tuple<const char*, const char*, const char*, QString> cases[] = {
        {"eva", "x", "0.2", version},
        {"eva", "x", "", version},
        {"", "x", "0.3", account},
        {"eva", "druhé", "0.3", account}};
    for (const auto& [name, password, sent, reply] : cases)
        EXPECT_EQ(login(name, password, sent), reply) << name << password << sent;
}

// Ten wrong passwords for a name from one address within a minute hold that name back from that
// address for a minute, right password or not; the log says so, and never holds a password.
TEST_F(Server, GuessingIsBrakedAndTheLogKeepsNoPassword)
{
    // Kept by the server's log function, which may still run after the test's end.
    struct Log
    {
        QMutex mutex;
        QStringList lines;
    };
    const auto log = std::make_shared<Log>();
    server->setLog([log](const QString& line) {
        QMutexLocker lock(&log->mutex);
        log->lines << line;
    });
    EXPECT_TRUE(login("eva", "tajné & heslo").endsWith(".OK."));
    const QString wrong = "Špatné přístupové jméno nebo heslo!.ER.";
    for (int attempt = 0; attempt < GuessBrake::allowedWrong; ++attempt)
        EXPECT_EQ(login("eva", "hádám"), wrong);
    EXPECT_EQ(login("eva", "tajné & heslo"), wrong);
    EXPECT_TRUE(login("jana", "jiné").endsWith(".OK."));
    QMutexLocker lock(&log->mutex);
    const QString all = log->lines.join('\n');
    EXPECT_EQ(all.count("Jméno „eva“ z adresy 127.0.0.1: 10 chybných hesel za minutu, minutu se "
                        "nezkouší."),
              1);
    EXPECT_TRUE(all.contains(" 127.0.0.1 GET /program/tvdost.php?jmeno=…&heslo=…&verze=0.3 200 "))
        << all.toStdString();
    EXPECT_FALSE(all.contains("tajn")) << all.toStdString();
}

TEST(GuessBrake, OnlyTheNameFromTheAddressIsHeldForAMinute)
{
    GuessBrake brake;
    for (int attempt = 0; attempt < GuessBrake::allowedWrong - 1; ++attempt)
        EXPECT_FALSE(brake.wrong("eva", "10.0.0.1", attempt * 7000)); // spread over a minute
    EXPECT_FALSE(brake.holds("eva", "10.0.0.1", 60000));
    EXPECT_FALSE(brake.wrong("eva", "10.0.0.1", 60000)); // the first has left the minute
    EXPECT_TRUE(brake.wrong("eva", "10.0.0.1", 60001));
    const std::tuple<const char*, const char*, qint64, bool> cases[] = {
        {"eva", "10.0.0.1", 60001, true},
        {"eva", "10.0.0.1", 120000, true},
        {"eva", "10.0.0.1", 120001, false},
        {"eva", "10.0.0.2", 60001, false},
        {"jana", "10.0.0.1", 60001, false}};
    for (const auto& [name, address, at, held] : cases)
        EXPECT_EQ(brake.holds(name, address, at), held) << name << address << at;
}

// A day far ahead brings nothing, a day long gone starts from yesterday; the change feed brings
// the changes of the received stations on the days the guide holds; a malformed or missing posl
// is an error text.
TEST_F(Server, ListingsChangesMalformedRequestsAndPackingWithGzipOnly)
{
    login();
    EXPECT_EQ(records("ČT1,1.1.2099;ČT2,1.1.2099;Markíza,1.1.2099;"), 0);
    EXPECT_GT(records("ČT1,1.1.2000;"), 0);
    int changes = 0;
    for (const Programme& programme : listings.changes)
        changes += QStringList{"ČT1", "ČT2", "Markíza"}.contains(programme.station);
    const QString heldAll = "ČT1,1.1.2099;ČT2,1.1.2099;Markíza,1.1.2099;";
    EXPECT_EQ(records(heldAll, "generzme.php"), changes);
    EXPECT_EQ(records("", "generzme.php"), 0);
    EXPECT_EQ(records("ČT1,1.1.2000;ČT2,1.1.2000;Markíza,1.1.2000;", "generzme.php"), 0);
    EXPECT_EQ(get(gener("<img src=x onerror=alert(1)>;")), "Chybný parametr posl..ER.");
    EXPECT_TRUE(get(gener("ČT1,31.2.2026;")).endsWith(".ER."));
    EXPECT_TRUE(get("/program/gener.php").endsWith(".ER."));
    const auto huge = client->Get("/program/gener.php?posl=" + std::string(20000, 'x'));
    EXPECT_TRUE(huge && huge->status >= 400);
    httplib::Headers crowd;
    for (int i = 0; i < 70; ++i)
        crowd.emplace("X-" + std::to_string(i), "1");
    const auto crowded = client->Get(gener(""), crowd);
    EXPECT_TRUE(crowded && crowded->status == 431);
    EXPECT_TRUE(login().endsWith(".OK.")); // still serving

    // Replies are packed with gzip only: brotli at the library's top quality made each listing
    // page cost tens of milliseconds.
    const auto plain = client->Get(gener(""));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->get_header_value("Content-Type"), "text/html");
    for (const char* offered : {"br, gzip, deflate", "gzip", "br"}) {
        const auto packed = client->Get(gener(""), {{"Accept-Encoding", offered}});
        ASSERT_TRUE(packed) << offered;
        EXPECT_EQ(packed->get_header_value("Content-Encoding"),
                  std::string(offered) == "br" ? "" : "gzip")
            << offered;
        EXPECT_EQ(packed->body, plain->body) << offered;
    }
}

TEST_F(Server, FilesByteForByteAndNoWayOutOfTheirFolders)
{
    const Banner& banner = listings.banners.first();
    const auto gif =
        client->Get(QString("/program/banner/" + banner.id + "/banner.gif").toStdString());
    const std::string imagePath = QString('/' + listings.images.firstKey()).toStdString();
    const auto image = client->Get(imagePath);
    ASSERT_TRUE(gif && image);
    EXPECT_EQ(QByteArray::fromStdString(gif->body), banner.bannerGif);
    EXPECT_EQ(QByteArray::fromStdString(image->body), listings.images.first());
    // A Range of many parts is not answered part by part: the file comes whole.
    std::string parts = "bytes=0-0";
    for (int i = 0; i < 2000; ++i)
        parts += ",0-";
    const auto ranged = client->Get(imagePath, {{"Range", parts}});
    ASSERT_TRUE(ranged);
    EXPECT_EQ(ranged->status, 200);
    EXPECT_EQ(QByteArray::fromStdString(ranged->body), listings.images.first());
    for (const char* target :
         {"/..%2F..%2Fetc%2Fpasswd", "/program/banner/demo1/..%2Faccounts.db",
          "/program/banner/..%2F..%2F/x", "/nic.png", "/program/banner/demo9/banner.gif"}) {
        const auto result = client->Get(target);
        EXPECT_TRUE(result && result->status == 404) << target;
    }
}

TEST_F(Server, StationChoicePageChangesTheNextLogin)
{
    login();
    const std::string account =
        "jmeno=eva&heslo=" + QUrl::toPercentEncoding("tajné & heslo").toStdString();
    const auto page = client->Get("/program?" + account);
    ASSERT_TRUE(page);
    EXPECT_NE(page->body.find("name=\"s3\""), std::string::npos);
    const auto saved =
        client->Post("/program", account + "&s3=on&s3001=on", "application/x-www-form-urlencoded");
    ASSERT_TRUE(saved);
    EXPECT_NE(saved->body.find("Nova"), std::string::npos);
    const QString stations = login().chopped(4).mid(1).section("\r\n", 0, 0);
    for (const char* station : {"1Nova;3", "1ZDF;3001", "0ČT1;1"})
        EXPECT_TRUE(stations.contains(station)) << station;
}

// The same day and seed give the same listings; the next day's agree on the days both have.
// Nineteen stations, each covered without a gap from 06:00 to 30:00 on fourteen days from
// yesterday by programmes with unique ids; every type letter and every combination of the four
// flags; texts windows-1250 has codes for; changes of entries served; every illustration named
// is a picture the server has.
TEST(DemoListings, FourteenWholeDaysOfEveryKindTheSameForTheSameSeed)
{
    const QDate today(2026, 3, 15);
    const Listings demo = demoListings(today, 7), again = demoListings(today, 7);
    EXPECT_EQ(again.programmes, demo.programmes);
    EXPECT_EQ(again.changes, demo.changes);
    EXPECT_EQ(again.images, demo.images);
    QHash<qint64, Programme> ids;
    for (const Programme& programme : demo.programmes)
        ids.insert(programme.id, programme);
    int shared = 0;
    for (const Programme& programme : demoListings(today.addDays(1), 7).programmes) {
        if (programme.day <= today.addDays(12)) {
            ++shared;
            EXPECT_EQ(ids.value(programme.id), programme) << programme.title.toStdString();
        }
    }
    EXPECT_GT(shared, 0);
    EXPECT_EQ(demo.stations.size(), 19);
    QMap<std::pair<QString, QDate>, QMap<int, int>> days; // start and end of each station day
    QSet<QChar> types;
    QSet<int> flags;
    QString texts = demo.message;
    for (const Programme& p : demo.programmes) {
        days[{p.station, p.day}].insert(p.hod1 * 60 + p.min1, p.hod2 * 60 + p.min2);
        types.insert(p.type);
        flags.insert(p.stereo | p.subtitles << 1 | p.dual << 2 | p.signLanguage << 3);
        texts += p.title + p.info1 + p.info2 + p.station;
        for (const QString& image : {p.image1, p.image2})
            EXPECT_TRUE(image.isEmpty() || !QImage::fromData(demo.images.value(image)).isNull());
    }
    EXPECT_EQ(ids.size(), demo.programmes.size());
    EXPECT_EQ(types,
              (QSet<QChar>{'F', 'T', 'K', 'W', 'P', 'H', 'D', 'Z', 'S', 'Q', 'O', 'X', 'L'}));
    EXPECT_EQ(flags.size(), 16);
    EXPECT_EQ(protocol::decode(protocol::encode(texts)), texts);
    EXPECT_EQ(days.size(), 19 * 14);
    EXPECT_EQ(days.firstKey().second, today.addDays(-1));
    for (auto it = days.begin(); it != days.end(); ++it) {
        int end = 6 * 60;
        for (auto p = it->begin(); p != it->end() && p.key() == end; ++p)
            end = p.value();
        EXPECT_GE(end, 30 * 60) << it.key().first.toStdString();
    }
    EXPECT_FALSE(demo.changes.isEmpty());
    for (const Programme& changed : demo.changes)
        EXPECT_TRUE(ids.contains(changed.id) && ids.value(changed.id) != changed);
}

// A body longer than any request of the guide or the station page is refused before it is read:
// 200 MB sent in chunks leave the server's memory as it was.
TEST_F(Server, AHugeBodyIsRefusedUnread)
{
    const auto peak = [] {
        QFile status("/proc/self/status");
        status.open(QIODevice::ReadOnly);
        const QByteArray text = status.readAll();
        return text.mid(text.indexOf("VmHWM:") + 6).trimmed().split(' ').first().toLongLong();
    };
    const qint64 before = peak();
    const std::string chunk(1 << 20, 'x');
    int sent = 0;
    const auto result = client->Post(
        "/program",
        [&](size_t, httplib::DataSink& sink) {
            if (sent++ == 200)
                sink.done();
            else
                sink.write(chunk.data(), chunk.size());
            return true;
        },
        "application/x-www-form-urlencoded");
    EXPECT_TRUE(!result || result->status == 413);
    EXPECT_LT(sent, 200);
    EXPECT_LT(peak() - before, 100 * 1024) << "kB";
    EXPECT_TRUE(login().endsWith(".OK.")); // still serving
}
