#include "accounts.h"
#include "demolistings.h"
#include "listingserver.h"
#include "store/clock.h"
#include "store/settings.h"
#include "support/teststore.h"
#include "sync/downloadrun.h"
#include "sync/fetcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
        accounts =
            std::make_unique<server::Accounts>(serverFolder.path() + "/accounts.json", demoAccounts,
                                               QStringList{"ČT1", "ČT2", "Nova"});
        http = std::make_unique<server::ListingServer>(listings, *accounts);
        ASSERT_TRUE(http->bind("127.0.0.1", 0));
        serving = http->runInBackground();
        settings.server = settings.imageServer = QString("127.0.0.1:%1").arg(http->port());
        settings.name = "eva";
        settings.password = "tajné & heslo";
        settings.imageFolder = folder() + "/bmp";
    }
    void TearDown() override
    {
        http->stop();
        serving.join();
        StoreTest::TearDown();
    }
    sync::RunResult run()
    {
        sync::Fetcher fetcher(stop);
        return sync::pln(store, fetcher, stop, settings);
    }

    bool demoAccounts = true;
    QTemporaryDir serverFolder;
    server::Listings listings;
    std::unique_ptr<server::Accounts> accounts;
    std::unique_ptr<server::ListingServer> http;
    std::thread serving;
    sync::RunSettings settings;
    std::atomic<bool> stop{false};
};

} // namespace

TEST_F(Run, AFullPullFillsTheStoreAndTheNextRunBringsNothingNew)
{
    const sync::RunResult first = run();
    EXPECT_EQ(first.end, sync::RunResult::End::Done);
    EXPECT_EQ(first.divisor, 4320);
    EXPECT_EQ(first.newMessage, listings.message);
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

    const sync::RunResult second = run();
    EXPECT_EQ(second.end, sync::RunResult::End::Done);
    EXPECT_EQ(second.added, 0);
    EXPECT_EQ(second.newMessage, "");
}

TEST_F(Run, ErrorRepliesSetTheDivisorAndNamesTheWrongAccount)
{
    accounts = std::make_unique<server::Accounts>(serverFolder.path() + "/closed.json", false,
                                                  QStringList{});
    http->stop();
    serving.join();
    http = std::make_unique<server::ListingServer>(listings, *accounts);
    ASSERT_TRUE(http->bind("127.0.0.1", 0));
    serving = http->runInBackground();
    settings.server = QString("127.0.0.1:%1").arg(http->port());
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

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
