#include "accounts.h"
#include "demolistings.h"
#include "listingserver.h"
#include "support/teststore.h"
#include "sync/downloadrun.h"
#include "sync/fetcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <httplib.h>
#include <thread>

using namespace obzorka;
using namespace obzorka::sync;
using obzorka::test::writeFile;

namespace {

// A web server on a free loopback port with the replies the fetch must tell apart.
class Fetch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto content = [this](const char* path, const std::string& body, const char* type,
                                    int status = 200) {
            server.Get(path, [=](auto&, httplib::Response& r) {
                r.status = status;
                r.set_content(body, type);
            });
        };
        content("/text", czech, "text/html");
        content("/image.png", image, "image/png");
        content("/blank", "   \r\n", "text/html");
        // A server that says 404 only in its page, and one that refuses with a text.
        content("/notfound", "<HTML><TITLE>404 Not Found</TITLE></HTML>", "text/html");
        content("/odmitnuto", "Ucet je zablokovan..ER.", "text/html", 403);
        server.Get("/slow", [](auto&, auto& r) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            r.set_content("late", "text/html");
        });
        // Half the picture, a silence longer than the time-out, then the rest.
        server.Get("/halfway", [this](auto&, auto& r) {
            r.set_content_provider(image.size(), "image/png", [this](size_t, size_t, auto& sink) {
                sink.write(image.data(), image.size() / 2);
                for (int i = 0; i < 150 && !released; ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                sink.write(image.data() + image.size() / 2, image.size() - image.size() / 2);
                return true;
            });
        });
        // A byte every 50 ms for ever, so that only the deadline ends the fetch; and a reply
        // longer than any cap.
        server.Get("/drip", [this](auto&, auto& r) {
            r.set_chunked_content_provider("text/html", [this](size_t, auto& sink) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                return !released && sink.write("x", 1);
            });
        });
        server.Get("/huge", [](auto&, auto& r) {
            r.set_content_provider(
                size_t(17) << 20, "image/png", [](size_t, size_t length, auto& sink) {
                    const std::string chunk(std::min<size_t>(length, 65536), 'x');
                    return sink.write(chunk.data(), chunk.size());
                });
        });
        server.Get("/echo", [](auto& q, auto& r) {
            r.set_content(q.get_param_value("heslo"), "application/octet-stream");
        });
        // /skok/N sends the client on to /skok/N-1, and /skok/0 to /text; /jinam to another server.
        server.Get(R"(/skok/(\d+))", [](auto& q, auto& r) {
            const int left = std::stoi(q.matches[1]);
            r.set_redirect(left == 0 ? "/text" : "/skok/" + std::to_string(left - 1));
        });
        server.Get("/jinam", [](auto&, auto& r) { r.set_redirect("http://127.0.0.2:1/text"); });
        port = server.bind_to_any_port("127.0.0.1");
        serving = std::thread([this] { server.listen_after_bind(); });
    }
    void TearDown() override
    {
        released = true;
        server.stop();
        serving.join();
    }
    QUrl url(const char* path)
    {
        return requestUrl(QStringLiteral("127.0.0.1:%1").arg(port), path);
    }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    const std::string czech =
        QByteArray(QStringEncoder("windows-1250")(QStringLiteral("Žluťoučký kůň .OK.")))
            .toStdString();
    const std::string image = std::string("\x89PNG\r\n\x1a\n\0\x01\xff\xfe", 12);
    httplib::Server server;
    std::thread serving;
    int port = 0;
    std::atomic<bool> stop{false};
    std::atomic<bool> released{false};
    QTemporaryDir folder;
};

} // namespace

// Only a successful reply with a body becomes a file, whole, byte for byte, replacing an older
// one; redirects are followed on the same server only, five at the most; a reply slower than
// the time-out brings nothing.
TEST_F(Fetch, StatusesRedirectsAndWhatBecomesAFile)
{
    const char* const text = "Žluťoučký kůň .OK.";
    // The path, the status the fetch reports, what the file holds and the body when it matters.
    const std::tuple<const char*, int, std::string, const char*> cases[] = {
        {"/text", 200, czech, text},
        {"/image.png", 200, image, nullptr},
        {"/skok/4", 200, czech, text},   // five
        {"/skok/5", 0, "<missing>", ""}, // six
        {"/jinam", 0, "<missing>", ""},
        {"/blank", 200, "<missing>", "   \r\n"},
        {"/notfound", 200, "<missing>", "<HTML><TITLE>404 Not Found</TITLE></HTML>"},
        {"/missing", 404, "<missing>", nullptr},
        {"/odmitnuto", 403, "<missing>", "Ucet je zablokovan..ER."},
        {"/slow", 0, "<missing>", ""}, // slower than the time-out
        {"/halfway", 0, "<missing>", ""},
        {"/drip", 0, "<missing>", ""}, // past the deadline
        {"/huge", 0, "<missing>", ""}, // past the cap of a file
    };
    Fetcher fetcher(stop);
    fetcher.timeoutMs = 400;
    fetcher.deadlineMs = 1000;
    const QString target = folder.path() + "/soubor.bin";
    for (const auto& [path, status, bytes, body] : cases) {
        writeFile(target, QByteArray(4096, 'x')); // a longer older file
        if (bytes == "<missing>")
            QFile::remove(target);
        const Fetched fetched = fetcher.readUrl(url(path), target);
        EXPECT_EQ(fetched.status, status) << path;
        EXPECT_EQ(read(target).toStdString(), bytes) << path;
        EXPECT_EQ(fetched.body.toStdString(), body ? body : fetched.body.toStdString()) << path;
    }
    EXPECT_EQ(fetcher.readUrl(QUrl("http://127.0.0.1:1/nic")).status, 0);
    EXPECT_EQ(fetcher.readUrl(url("/huge")).status, 0); // past the cap of a text too
}

// A raised stop flag ends the wait, bringing nothing and no file.
TEST_F(Fetch, StopFlagEndsTheWait)
{
    int rounds = 0;
    Fetcher stopping(stop, [&](int units) {
        if (units == 1 && ++rounds == 2)
            stop = true;
    });
    EXPECT_TRUE(stopping.readUrl(url("/slow"), folder.path() + "/slow.txt").body.isEmpty());
    EXPECT_FALSE(QFile::exists(folder.path() + "/slow.txt"));
}

// Values travel as windows-1250 percent-encoding (file names: the run's test below).
TEST_F(Fetch, ValuesTravelAsWindows1250PercentEncoding)
{
    const QUrl address = requestUrl(QStringLiteral("127.0.0.1:%1").arg(port), "/echo",
                                    {{"jmeno", "eva"}, {"heslo", "tajné & heslo=ano"}});
    EXPECT_TRUE(address.toEncoded().contains("heslo=tajn%E9%20%26%20heslo%3Dano"));
    EXPECT_EQ(Fetcher(stop).readUrl(address).body.toStdString(), "tajné & heslo=ano");
}

namespace {

// A fresh store and the reference server with demo listings on a free loopback port.
class Run : public test::StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        QDir().mkpath(folder() + "/bmp/obr");
        listings = server::demoListings(QDate::currentDate(), 5);
        listings.message = "Vítejte u O'Brienů | nová sezóna";
        useAccounts("demo", true, {"ČT1", "ČT2", "Nova"});
        settings.name = "eva";
        settings.password = "tajné & heslo";
        settings.imageFolder = folder() + "/bmp";
    }
    // (Re)starts the reference server with the fixture's listings and these accounts.
    void useAccounts(const QString& name, bool demo, const QStringList& received)
    {
        QDir(serverFolder.path()).mkpath(name);
        accounts =
            std::make_unique<server::Accounts>(serverFolder.path() + "/" + name, demo, received);
        http.reset(); // the old one stops before the new one binds
        http = std::make_unique<server::ListingServer>(listings, *accounts);
        ASSERT_TRUE(http->bind("127.0.0.1", 0));
        http->serveInBackground();
        settings.server = settings.imageServer = QString("127.0.0.1:%1").arg(http->port());
    }
    sync::RunResult run(int deadlineMs = 30000)
    {
        sync::Fetcher fetcher(stop);
        fetcher.deadlineMs = deadlineMs;
        return sync::pln(store, fetcher, stop, settings);
    }
    QString count(const QString& table) { return one("SELECT count(*) AS v FROM " + table); }
    // How the run ended, with the divisor it leaves.
    static QString ended(const sync::RunResult& result)
    {
        const char* const ends[] = {"Done", "ErrorReply", "Quiet"};
        return ends[int(result.end)] + QString(" %1").arg(result.divisor);
    }

    QTemporaryDir serverFolder;
    server::Listings listings;
    std::unique_ptr<server::Accounts> accounts;
    std::unique_ptr<server::ListingServer> http;
    sync::RunSettings settings;
    std::atomic<bool> stop{false};
};

} // namespace

// A pause between rounds stops the run before its next request, with the whole rounds kept; the
// next run brings the rest. The window is told the stations and the message (when new) as soon
// as the login is stored, and the banners as soon as they are there, before any listing.
TEST_F(Run, APausedPullKeepsWholeRoundsAndTheNextRunBringsTheRest)
{
    QStringList told;
    settings.loggedIn = [&](const QString& message) {
        told << message + " " + count("televize") + " " + count("program");
    };
    settings.bannersFetched = [&] {
        told << QString::number(QFile::exists(folder() + "/bmp/banner/demo1/banner.gif")) + " " +
                    count("program");
    };
    int rounds = 0, requestsAtStop = 0;
    settings.reminderCheck = [&] {
        if (++rounds == 3) {
            stop = true; // the user pauses while the third round is about to start
            requestsAtStop = http->requestCount();
        }
    };
    EXPECT_EQ(ended(run()), "Quiet 1");
    EXPECT_EQ(http->requestCount(), requestsAtStop);
    EXPECT_EQ(one("SELECT count(DISTINCT datum) AS v FROM program"), "2"); // two whole rounds
    const QString paused = count("program");

    stop = false;
    const sync::RunResult rest = run();
    EXPECT_EQ(ended(rest), "Done 4320");
    const QString stations = QString::number(listings.stations.size());
    EXPECT_EQ(told, (QStringList{listings.message + " " + stations + " 0", "1 0",
                                 " " + stations + " " + paused, "1 " + paused}));
    int expected = 0;
    for (const server::Programme& programme : listings.programmes)
        expected += QStringList{"ČT1", "ČT2", "Nova"}.contains(programme.station) &&
                    programme.day >= QDate::currentDate().addDays(-1);
    EXPECT_EQ(QString::asprintf("%d %d", rest.stations, rest.added),
              QString::asprintf("%d %d", int(listings.stations.size()), expected - paused.toInt()));
    EXPECT_TRUE(rest.changed > 0 && rest.images > 0);
    // Entries, the image queue, received stations, banners shown from today.
    EXPECT_EQ(
        one("SELECT (SELECT count(*) FROM program) || ' ' || (SELECT count(*) FROM "
            "obrpronacteni) || ' ' || (SELECT count(*) FROM televize WHERE povoleno=1) || ' ' "
            "|| (SELECT count(*) FROM reklama WHERE DateValue(datumdo)>=Date()) AS v"),
        QString("%1 0 3 2").arg(expected));
}

// A wrong account is an error reply that stores nothing.
TEST_F(Run, AWrongAccountIsAnErrorReply)
{
    useAccounts("closed", false, {});
    const sync::RunResult wrong = run();
    EXPECT_EQ(ended(wrong), "ErrorReply 1");
    EXPECT_TRUE(wrong.wrongPassword);
    EXPECT_EQ(count("televize"), "0");
}

// Switched off, no image is fetched and the queue's old rows go; switched off midway, the rest
// stay queued for the next run; each name is fetched once, and none on disk is asked again.
TEST_F(Run, ImagesAreFetchedOnceAndOnlyWhileAllowed)
{
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    settings.noImages = [] { return true; };
    const sync::RunResult off = run();
    EXPECT_EQ(ended(off) + " " + QString::number(off.images), "Done 4320 0");
    EXPECT_TRUE(QDir(folder() + "/bmp/obr").isEmpty());
    EXPECT_EQ(one("SELECT count(*) AS v FROM obrpronacteni WHERE datum<?", {today}), "0");
    EXPECT_NE(one("SELECT count(*) AS v FROM (SELECT obr FROM program WHERE datum>=? AND "
                  "obr<>'' GROUP BY obr HAVING count(*)>=3)",
                  {today}),
              "0");

    int checks = 0;
    settings.noImages = [&] { return ++checks > 2; }; // off after the second image
    const sync::RunResult switchedOff = run();
    EXPECT_EQ(ended(switchedOff) + " " + QString::number(switchedOff.images), "Done 4320 2");
    EXPECT_NE(count("obrpronacteni"), "0");

    settings.noImages = {};
    const sync::RunResult rest = run();
    const int files = int(QDir(folder() + "/bmp/obr").entryList(QDir::Files).size());
    EXPECT_EQ(switchedOff.images + rest.images, files);
    EXPECT_EQ(count("obrpronacteni"), "0");
    const int requests = http->requestCount();
    run();
    const int login = 1, bannerFiles = 3 + 2, listingRounds = 1, changes = 1;
    EXPECT_EQ(http->requestCount() - requests, login + bannerFiles + listingRounds + changes);
}

// A garbage login, a login framed ".OK." but sent as a redirect, a login dripped a byte at a
// time past the deadline, or a garbage listing reply: nothing is stored, the run ends (quietly
// where no usable answer came), and a listing reply that brings no new day is not asked for
// again. (A reply cut short by a silence brings nothing: Fetch's "/halfway".)
TEST_F(Run, BrokenRepliesStoreNothing)
{
    QByteArray garbage(10000, '\0');
    for (char& byte : garbage)
        byte = char(QRandomGenerator::global()->bounded(256));
    const std::string login = "x1ČT1;1\r\n\r\n\r\n0.OK.";
    // The script, how the run ends, the reply and its status (0: dripped, a byte each 100 ms).
    const std::tuple<const char*, const char*, std::string, int> faults[] = {
        {"/program/tvdost.php", "Quiet 1", garbage.toStdString(), 200},
        {"/program/tvdost.php", "Quiet 1", login, 302},
        {"/program/tvdost.php", "Quiet 1", login, 0},
        {"/program/gener.php", "Done 4320", garbage.toStdString() + ".OK.", 200}};
    for (const auto& [script, end, reply, status] : faults) {
        // In front of the reference server, passing on every request but the first to `script`.
        int asked = 0;
        httplib::Client upstream("127.0.0.1", http->port());
        httplib::Server front;
        front.Get(R"(/.*)", [&](const httplib::Request& q, httplib::Response& r) {
            if (q.path == script && ++asked == 1 && status == 0) {
                return r.set_chunked_content_provider("text/html", [&](size_t sent, auto& sink) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                    return sent < reply.size() && sink.write(&reply[sent], 1);
                });
            }
            if (q.path == script && asked == 1) {
                r.status = status;
                return r.set_content(reply, "text/html");
            }
            const auto passed = upstream.Get(q.target);
            r.status = passed ? passed->status : 502;
            if (passed)
                r.set_content(passed->body, passed->get_header_value("Content-Type"));
        });
        settings.server = QString("127.0.0.1:%1").arg(front.bind_to_any_port("127.0.0.1"));
        std::thread serving([&] { front.listen_after_bind(); });
        EXPECT_EQ(ended(run(1000)), end) << script;
        EXPECT_EQ(count("program"), "0") << script;
        EXPECT_EQ(asked, 1) << script;
        front.stop();
        serving.join();
    }
}

// Names with blanks, "?", "#", "%" and Czech letters arrive under their own names; those that would
// leave their folder are never written, those windows-1250 cannot carry never asked for.
TEST_F(Run, FileNamesTravelWholeAndNoneLeavesItsFolder)
{
    const QString odd = "Pořad č. 1 (nový)#2 100%.png";
    const QStringList names{"../utek.png", odd};
    QList<server::Programme> programmes = listings.programmes.all();
    for (int i = 0; i < names.size(); ++i) {
        programmes[i].image1 = names.at(i);
        programmes[i].station = "ČT1";
        programmes[i].day = QDate::currentDate();
        listings.images.insert(names.at(i), "PNG " + names.at(i).toUtf8());
    }
    listings.programmes = {};
    listings.programmes += programmes;
    listings.banners.first().otherFiles.insert("logo?2 č.png", "GIF89a");
    listings.banners.last().id = "..";
    listings.banners.last().otherFiles.insert("..\\ven.gif", "GIF89a");
    useAccounts("demo", true, {"ČT1", "ČT2", "Nova"});
    store.provedsql("INSERT INTO obrpronacteni (obr, datum) VALUES ('日本.png', date('now'))");
    const sync::RunResult result = run();
    EXPECT_EQ(ended(result) + " " + QString::number(result.namesSkipped), "Done 4320 1");
    QFile arrived(folder() + "/bmp/obr/" + odd);
    ASSERT_TRUE(arrived.open(QIODevice::ReadOnly));
    EXPECT_EQ(arrived.readAll(), "PNG " + odd.toUtf8());
    EXPECT_TRUE(
        QFile::exists(folder() + "/bmp/banner/" + listings.banners.first().id + "/logo?2 č.png"));
    for (const char* outside :
         {"/bmp/utek.png", "/bmp/banner/index.html", "/bmp/banner/..\\ven.gif"})
        EXPECT_FALSE(QFile::exists(folder() + outside)) << outside;
    EXPECT_EQ(count("reklama WHERE rekl_id='..'"), "0");
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
