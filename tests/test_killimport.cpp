// The guide killed at a random moment of a download: the store holds every listing round
// wholly or not at all, and the next run brings the rest.
#include "accounts.h"
#include "demolistings.h"
#include "listingserver.h"
#include "store/store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <thread>

using namespace obzorka;

namespace {

class KilledImport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        listings = server::demoListings(QDate::currentDate(), 13);
        QStringList everyStation;
        for (const server::Station& station : listings.stations)
            everyStation << station.name;
        accounts = std::make_unique<server::Accounts>(serverFolder.path() + "/accounts.json", true,
                                                      everyStation);
        http = std::make_unique<server::ListingServer>(listings, *accounts);
        ASSERT_TRUE(http->bind("127.0.0.1", 0));
        http->serveInBackground();
        for (const server::Programme& programme : listings.programmes)
            if (programme.day >= QDate::currentDate().addDays(-1))
                ++served[{programme.station, programme.day.toString("yyyy-MM-dd")}];
    }
    // Starts one download run without a window; kills it after `killAfterMs` when given.
    int syncOnce(const QString& folder, int killAfterMs = -1)
    {
        QProcess guide;
        const QString address = QString("127.0.0.1:%1").arg(http->port());
        guide.start(OBZORKA_BINARY,
                    {"--data-dir", folder, "--server", address, "--image-server", address,
                     "--sync-once", "--user", "eva", "--password", "heslo"});
        EXPECT_TRUE(guide.waitForStarted());
        if (killAfterMs >= 0 && !guide.waitForFinished(killAfterMs)) {
            guide.kill(); // SIGKILL: no chance to tidy up
            guide.waitForFinished();
            return -1;
        }
        guide.waitForFinished(60000);
        return guide.exitCode();
    }
    // Every stored station day holds exactly what the server has for it, and a station's last
    // day is the last day stored for it.
    void expectWholeRounds(const QString& folder)
    {
        store::Store store;
        ASSERT_TRUE(store.otevridb(folder, nullptr));
        const store::Rows check = store.provedsql("SELECT * FROM pragma_integrity_check()");
        ASSERT_EQ(check.size(), 1u);
        EXPECT_EQ(check.front().text(u"integrity_check"), "ok");
        for (const store::Row& row :
             store.provedsql("SELECT tv, datum, count(*) AS n FROM program GROUP BY tv, datum"))
            EXPECT_EQ(row.number(u"n"), served.value({row.text(u"tv"), row.text(u"datum")}))
                << row.text(u"tv").toStdString() << " " << row.text(u"datum").toStdString();
        for (const store::Row& row : store.provedsql(
                 "SELECT tv, posl_datum, (SELECT max(datum) FROM program WHERE program.tv="
                 "televize.tv) AS last FROM televize WHERE trim(posl_datum)<>''"))
            EXPECT_EQ(QDate::fromString(row.text(u"posl_datum"), "d.M.yyyy").toString("yyyy-MM-dd"),
                      row.text(u"last"))
                << row.text(u"tv").toStdString();
    }

    QTemporaryDir serverFolder;
    server::Listings listings;
    std::unique_ptr<server::Accounts> accounts;
    std::unique_ptr<server::ListingServer> http;
    QMap<std::pair<QString, QString>, int> served;
};

} // namespace

TEST_F(KilledImport, TwentyKillsAtRandomMomentsLeaveWholeRoundsAndTheNextRunCompletes)
{
    QTemporaryDir whole;
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(syncOnce(whole.path()), 0);
    const int runMs = int(clock.elapsed());
    int total = 0;
    for (const int count : served)
        total += count;

    int killedMidway = 0;
    for (int attempt = 0; attempt < 20; ++attempt) {
        QTemporaryDir folder;
        const int killAt = QRandomGenerator::global()->bounded(runMs + 1);
        killedMidway += syncOnce(folder.path(), killAt) == -1;
        expectWholeRounds(folder.path());
        ASSERT_EQ(syncOnce(folder.path()), 0) << "after a kill at " << killAt << " ms";
        expectWholeRounds(folder.path());
        store::Store store;
        ASSERT_TRUE(store.otevridb(folder.path(), nullptr));
        EXPECT_EQ(store.provedsql("SELECT * FROM program").size(), size_t(total));
    }
    EXPECT_GT(killedMidway, 10); // most kills landed inside a run
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
