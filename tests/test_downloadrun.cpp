#include "accounts.h"
#include "demolistings.h"
#include "listingserver.h"
#include "protocol.h"
#include "store/clock.h"
#include "store/settings.h"
#include "support/teststore.h"
#include "sync/downloadrun.h"
#include "sync/fetcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <httplib.h>
#include <thread>

using namespace obzorka;

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
        accounts = std::make_unique<server::Accounts>(serverFolder.path() + "/accounts.json", true,
                                                      QStringList{"ČT1", "ČT2", "Nova"});
        serve();
        settings.name = "eva";
        settings.password = "tajné & heslo";
        settings.imageFolder = folder() + "/bmp";
    }
    // (Re)starts the reference server with the fixture's listings and accounts.
    void serve()
    {
        http.reset(); // the old one stops before the new one binds
        http = std::make_unique<server::ListingServer>(listings, *accounts);
        ASSERT_TRUE(http->bind("127.0.0.1", 0));
        http->serveInBackground();
        settings.server = settings.imageServer = QString("127.0.0.1:%1").arg(http->port());
    }
    sync::RunResult run()
    {
        sync::Fetcher fetcher(stop);
        fetcher.timeoutMs = timeoutMs;
        return sync::pln(store, fetcher, stop, settings);
    }

    QTemporaryDir serverFolder;
    server::Listings listings;
    std::unique_ptr<server::Accounts> accounts;
    std::unique_ptr<server::ListingServer> http;
    sync::RunSettings settings;
    std::atomic<bool> stop{false};
    int timeoutMs = 30000;

    // What the store holds of the listings: entries and each station's last day.
    QString listingState()
    {
        return one("SELECT count(*) AS v FROM program") + " " +
               one("SELECT group_concat(tv || '=' || posl_datum) AS v FROM televize");
    }
};

// In front of the reference server: passes every request on, unless `answer` replies itself.
class FrontServer
{
public:
    using Answer = std::function<bool(const httplib::Request&, const std::string& upstream,
                                      httplib::Response&)>;

    FrontServer(int upstreamPort, Answer answer) : m_upstream("127.0.0.1", upstreamPort)
    {
        m_http.Get(R"(/.*)", [this, answer](const httplib::Request& q, httplib::Response& r) {
            std::string target = q.path;
            for (const auto& [key, value] : q.params)
                target += (target == q.path ? "?" : "&") + key + "=" +
                          QByteArray(server::protocol::encode(QString::fromStdString(value)))
                              .toPercentEncoding()
                              .toStdString();
            const auto upstream = m_upstream.Get(target);
            if (answer(q, upstream ? upstream->body : std::string(), r))
                return;
            r.status = upstream ? upstream->status : 502;
            if (upstream)
                r.set_content(upstream->body, upstream->get_header_value("Content-Type"));
        });
        m_port = m_http.bind_to_any_port("127.0.0.1");
        m_serving = std::thread([this] { m_http.listen_after_bind(); });
    }
    ~FrontServer()
    {
        m_http.stop();
        m_serving.join();
    }
    QString address() const { return QString("127.0.0.1:%1").arg(m_port); }

private:
    httplib::Client m_upstream;
    httplib::Server m_http;
    std::thread m_serving;
    int m_port = 0;
};

} // namespace

TEST_F(Run, AFullPullFillsTheStoreAndTheNextRunBringsNothingNew)
{
    // What the window is told, and what the store holds then: the stations and the message as
    // soon as the login is stored, the banners as soon as they are there, before any listing.
    QStringList told;
    settings.loggedIn = [&](const QString& message) {
        told << message + " " + one("SELECT count(*) AS v FROM televize") + " " +
                    one("SELECT count(*) AS v FROM program");
    };
    settings.bannersFetched = [&] {
        told << QString::number(QFile::exists(folder() + "/bmp/banner/demo1/banner.gif")) + " " +
                    one("SELECT count(*) AS v FROM program");
    };
    const sync::RunResult first = run();
    EXPECT_EQ(first.end, sync::RunResult::End::Done);
    EXPECT_EQ(first.divisor, 4320);
    EXPECT_EQ(told, (QStringList{listings.message + " " +
                                     QString::number(listings.stations.size()) + " 0",
                                 "1 0"}));
    EXPECT_EQ(first.stations, listings.stations.size());
    int expected = 0;
    for (const server::Programme& programme : listings.programmes)
        expected += QStringList{"ČT1", "ČT2", "Nova"}.contains(programme.station) &&
                    programme.day >= QDate::currentDate().addDays(-1);
    EXPECT_EQ(first.added, expected);
    EXPECT_EQ(one("SELECT count(*) AS v FROM program"), QString::number(expected));
    EXPECT_GT(first.changed, 0);
    EXPECT_GT(first.images, 0);
    EXPECT_EQ(one("SELECT count(*) AS v FROM obrpronacteni"), "0");
    EXPECT_EQ(one("SELECT count(*) AS v FROM televize WHERE povoleno=1"), "3");
    EXPECT_TRUE(QFile::exists(folder() + "/bmp/banner/demo1/banner.gif"));
    EXPECT_TRUE(QFile::exists(folder() + "/bmp/banner/demo1/logo.png"));
    EXPECT_EQ(one("SELECT count(*) AS v FROM reklama"), "2");

    told.clear();
    const sync::RunResult second = run();
    EXPECT_EQ(second.end, sync::RunResult::End::Done);
    EXPECT_EQ(second.added, 0);
    EXPECT_TRUE(told.first().startsWith(" ")); // the same message is not told again
}

TEST_F(Run, ErrorRepliesSetTheDivisorAndNamesTheWrongAccount)
{
    accounts = std::make_unique<server::Accounts>(serverFolder.path() + "/closed.json", false,
                                                  QStringList{});
    serve();
    const sync::RunResult wrong = run();
    EXPECT_EQ(wrong.end, sync::RunResult::End::ErrorReply);
    EXPECT_TRUE(wrong.wrongPassword);
    EXPECT_EQ(wrong.divisor, 1);
    EXPECT_EQ(one("SELECT count(*) AS v FROM televize"), "0");
}

TEST_F(Run, NoServerOrAStopEndsQuietly)
{
    settings.server = "127.0.0.1:1";
    EXPECT_EQ(run().end, sync::RunResult::End::Quiet);
    EXPECT_EQ(run().divisor, 1);
    settings.server = settings.imageServer;
    stop = true;
    EXPECT_EQ(run().end, sync::RunResult::End::Quiet);
    EXPECT_EQ(one("SELECT count(*) AS v FROM program"), "0");
}

TEST_F(Run, ImagesSwitchedOffAreNotFetchedAndOldQueueRowsGo)
{
    settings.noImages = [] { return true; };
    const sync::RunResult result = run();
    EXPECT_EQ(result.end, sync::RunResult::End::Done);
    EXPECT_EQ(result.images, 0);
    EXPECT_TRUE(QDir(folder() + "/bmp/obr").isEmpty());
    EXPECT_EQ(one("SELECT count(*) AS v FROM obrpronacteni WHERE datum<?",
                  {QDate::currentDate().toString("yyyy-MM-dd")}),
              "0");
}

TEST_F(Run, AnImageQueuedOftenIsFetchedOnceAndSwitchingOffMidListLeavesTheRestQueued)
{
    int checks = 0;
    settings.noImages = [&] { return ++checks > 2; }; // off after the second image
    const sync::RunResult switchedOff = run();
    EXPECT_EQ(switchedOff.end, sync::RunResult::End::Done);
    EXPECT_EQ(switchedOff.divisor, 4320);
    EXPECT_EQ(switchedOff.images, 2);
    EXPECT_NE(one("SELECT count(*) AS v FROM obrpronacteni"), "0");

    settings.noImages = {};
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    EXPECT_NE(one("SELECT count(*) AS v FROM (SELECT obr FROM program WHERE datum>=? AND "
                  "obr<>'' GROUP BY obr HAVING count(*)>=3)",
                  {today}),
              "0");
    const sync::RunResult rest = run();
    // Each fetch that arrived made a file of its own: no name was fetched twice.
    const int files = int(QDir(folder() + "/bmp/obr").entryList(QDir::Files).size());
    EXPECT_EQ(switchedOff.images + rest.images, files);
    EXPECT_EQ(one("SELECT count(*) AS v FROM obrpronacteni"), "0");
    const int requests = http->requestCount();
    run(); // every image is on disk now: none is asked for again
    const int login = 1, bannerFiles = 3 + 2, listingRounds = 1, changes = 1;
    EXPECT_EQ(http->requestCount() - requests, login + bannerFiles + listingRounds + changes);
}

TEST_F(Run, APauseBetweenRoundsStopsTheRunBeforeItsNextRequest)
{
    int rounds = 0;
    int requestsAtStop = 0;
    settings.reminderCheck = [&] {
        if (++rounds == 3) {
            stop = true; // the user pauses while the third round is about to start
            requestsAtStop = http->requestCount();
        }
    };
    const sync::RunResult result = run();
    EXPECT_EQ(result.end, sync::RunResult::End::Quiet);
    EXPECT_EQ(result.divisor, 1);
    EXPECT_EQ(http->requestCount(), requestsAtStop);
    // Two whole rounds are in: each station's first two days.
    EXPECT_EQ(one("SELECT count(DISTINCT datum) AS v FROM program"), "2");
}

TEST_F(Run, AServerFallingSilentMidReplyEndsTheRunAtTheTimeOutWithThatRoundLeftOut)
{
    std::atomic<bool> released{false};
    int listingReplies = 0;
    FrontServer front(http->port(), [&](const httplib::Request& q, const std::string& upstream,
                                        httplib::Response& r) {
        if (q.path != "/program/gener.php" || ++listingReplies != 3)
            return false;
        r.set_content_provider(upstream.size(), "text/html",
                               [&, upstream](size_t, size_t, auto& sink) {
                                   sink.write(upstream.data(), upstream.size() / 2);
                                   for (int i = 0; i < 500 && !released; ++i)
                                       std::this_thread::sleep_for(std::chrono::milliseconds(10));
                                   return false;
                               });
        return true;
    });
    settings.server = front.address();
    timeoutMs = 500;
    QString beforeThirdRound;
    int rounds = 0;
    settings.reminderCheck = [&] {
        if (++rounds == 3)
            beforeThirdRound = listingState();
    };

    QElapsedTimer clock;
    clock.start();
    const sync::RunResult result = run();
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_EQ(result.end, sync::RunResult::End::Quiet);
    EXPECT_EQ(result.divisor, 1);
    EXPECT_EQ(listingState(), beforeThirdRound);
    EXPECT_NE(one("SELECT count(*) AS v FROM program"), "0");
    released = true;
}

TEST_F(Run, GarbageAHugeBrokenRecordOrSilenceLeaveTheStoreAsItWas)
{
    ASSERT_EQ(run().end, sync::RunResult::End::Done);
    const QString before = listingState();
    QByteArray garbage(10000, '\0');
    for (char& byte : garbage)
        byte = char(QRandomGenerator::global()->bounded(256));
    const QByteArray huge = server::protocol::ok(
        QString("1%1ČT1%17.12.2026%12%1").arg(QChar(server::protocol::fieldSeparator)) +
        QString(5 * 1024 * 1024, u'x'));
    std::atomic<bool> released{false};
    const std::vector<std::pair<std::string, std::function<void(httplib::Response&)>>> faults{
        {"/program/tvdost.php",
         [&](auto& r) { r.set_content(garbage.toStdString(), "text/html"); }},
        {"/program/gener.php",
         [&](auto& r) { r.set_content(garbage.toStdString() + ".OK.", "text/html"); }},
        {"/program/gener.php", [&](auto& r) { r.set_content(huge.toStdString(), "text/html"); }},
        {"/program/tvdost.php",
         [&](auto& r) {
             for (int i = 0; i < 300 && !released; ++i) // never answers
                 std::this_thread::sleep_for(std::chrono::milliseconds(10));
             r.set_content("", "text/html");
         }},
    };
    timeoutMs = 500;
    for (const auto& [script, reply] : faults) {
        released = false;
        FrontServer front(http->port(),
                          [&](const httplib::Request& q, const std::string&, httplib::Response& r) {
                              if (q.path != script)
                                  return false;
                              reply(r);
                              return true;
                          });
        settings.server = front.address();
        QElapsedTimer clock;
        clock.start();
        run();
        EXPECT_LT(clock.elapsed(), 4000) << script;
        EXPECT_EQ(listingState(), before) << script;
        released = true;
    }
}

// Names with blanks, "?", "#" and Czech letters arrive under their own names; those that would
// leave their folder are never written, those windows-1250 cannot carry never asked for.
TEST_F(Run, FileNamesTravelWholeAndNoneLeavesItsFolder)
{
    const QString odd = "Pořad č. 1 (nový)#2.png";
    const QStringList names{"../utek.png", odd};
    for (int i = 0; i < names.size(); ++i) {
        server::Programme& programme = listings.programmes[i];
        programme.image1 = names.at(i);
        programme.station = "ČT1";
        programme.day = QDate::currentDate();
        listings.images.insert(names.at(i), "PNG " + names.at(i).toUtf8());
    }
    listings.banners.first().otherFiles.insert("logo?2 č.png", "GIF89a");
    listings.banners.last().id = "..";
    listings.banners.last().otherFiles.insert("..\\ven.gif", "GIF89a");
    serve();
    store.provedsql("INSERT INTO obrpronacteni (obr, datum) VALUES ('日本.png', date('now'))");
    const sync::RunResult result = run();
    EXPECT_EQ(result.end, sync::RunResult::End::Done);
    EXPECT_EQ(result.namesSkipped, 1);
    QFile arrived(folder() + "/bmp/obr/" + odd);
    ASSERT_TRUE(arrived.open(QIODevice::ReadOnly));
    EXPECT_EQ(arrived.readAll(), "PNG " + odd.toUtf8());
    EXPECT_TRUE(
        QFile::exists(folder() + "/bmp/banner/" + listings.banners.first().id + "/logo?2 č.png"));
    EXPECT_FALSE(QFile::exists(folder() + "/bmp/utek.png"));
    EXPECT_FALSE(QFile::exists(folder() + "/bmp/banner/index.html"));
    EXPECT_FALSE(QFile::exists(folder() + "/bmp/banner/..\\ven.gif"));
    EXPECT_EQ(one("SELECT count(*) AS v FROM reklama WHERE rekl_id='..'"), "0");
}

TEST_F(Run, TheNinetySeventhStationGetsNoSlot)
{
    QStringList names;
    QList<server::Station> stations;
    for (int i = 1; i <= 100; ++i) {
        names << QString("Stanice %1'").arg(i);
        stations << server::Station{names.last(), 9000 + i};
    }
    listings.stations = stations + listings.stations; // the received ones come first
    accounts = std::make_unique<server::Accounts>(serverFolder.path() + "/many.json", true, names);
    serve();
    EXPECT_EQ(run().end, sync::RunResult::End::Done);
    // The first 96 received stations take the slots; the others, and every offered one, none.
    EXPECT_EQ(one("SELECT count(*) AS v FROM televize WHERE pozice BETWEEN 1 AND 96 AND "
                  "tv LIKE 'Stanice %'"),
              "96");
    EXPECT_EQ(one("SELECT count(*) AS v FROM televize WHERE pozice=0"),
              QString::number(listings.stations.size() - 96));
    EXPECT_EQ(one("SELECT max(pozice) AS v FROM televize"), "96");
    EXPECT_EQ(one("SELECT pozice AS v FROM televize WHERE tv=?", {"Stanice 1'"}), "1");
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
