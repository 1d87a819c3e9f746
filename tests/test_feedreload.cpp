// A guide kept up to date from the operator's XMLTV feed: the server reloads the changed file, and
// the guide's next run shows a new title and a moved start on the entries it holds, with the signs
// windows-1250 lacks given their stand-ins.
#include "accounts.h"
#include "feedwatch.h"
#include "listingserver.h"
#include "store/store.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace obzorka;

namespace {

class FeedReload : public ::testing::Test
{
protected:
    // Programmes of today from 17:00 UTC on, one an hour: the two whose title and start are given,
    // then a third.
    void writeFeed(const QString& firstTitle, int secondStartMinute)
    {
        const QString day = QDate::currentDate().toString("yyyyMMdd");
        const auto programme = [&day](int hour, int minute, const QString& title) {
            return QString("<programme channel=\"ct1.cz\" start=\"%1%2%3 +0000\" "
                           "stop=\"%1%4%300 +0000\"><title>%5</title></programme>\n")
                .arg(day)
                .arg(hour, 2, 10, QChar('0'))
                .arg(minute, 2, 10, QChar('0'))
                .arg(hour + 1, 2, 10, QChar('0'))
                .arg(title);
        };
        QFile feed(folder.filePath("feed.xml"));
        ASSERT_TRUE(feed.open(QIODevice::WriteOnly));
        feed.write(("<tv>" + programme(17, 0, firstTitle) +
                    programme(18, secondStartMinute, "Cœur d'artichaut…") +
                    programme(19, 30, "Noc") + "</tv>")
                       .toUtf8());
        // A later time than the last load saw, however fast the test runs.
        feed.setFileTime(QDateTime::currentDateTime().addSecs(++written),
                         QFileDevice::FileModificationTime);
    }
    void SetUp() override
    {
        QFile map(folder.filePath("map.txt"));
        ASSERT_TRUE(map.open(QIODevice::WriteOnly));
        map.write("ct1.cz;ČT1;1\n");
        writeFeed("Zprávy za £ 5", 0);
    }
    int syncOnce()
    {
        QProcess guide;
        const QString address = QString("127.0.0.1:%1").arg(http->port());
        guide.start(OBZORKA_BINARY,
                    {"--data-dir", data.path(), "--server", address, "--image-server", address,
                     "--sync-once", "--user", "eva", "--password", "heslo"});
        EXPECT_TRUE(guide.waitForFinished(60000));
        return guide.exitCode();
    }
    // The guide's entries as "id|title|start minute".
    QStringList entries()
    {
        store::Store store;
        EXPECT_TRUE(store.otevridb(data.path(), nullptr));
        QStringList all;
        for (const store::Row& row :
             store.provedsql("SELECT id || '|' || nazev || '|' || min1 AS v FROM program "
                             "ORDER BY hod1, min1"))
            all << row.text(u"v");
        return all;
    }

    QTemporaryDir folder;
    QTemporaryDir data;
    int written = 0;
    std::unique_ptr<server::Accounts> accounts;
    std::unique_ptr<server::ListingServer> http;
};

} // namespace

TEST_F(FeedReload, ANewTitleAndAMovedStartReachTheGuideOnTheSameEntries)
{
    server::FeedWatch watch({{folder.filePath("feed.xml")}, folder.filePath("map.txt")},
                            [](const QString&, bool) {});
    std::optional<server::Listings> listings = watch.load();
    ASSERT_TRUE(listings);
    accounts = std::make_unique<server::Accounts>(folder.path(), true, QStringList{"ČT1"});
    http = std::make_unique<server::ListingServer>(std::move(*listings), *accounts);
    ASSERT_TRUE(http->bind("127.0.0.1", 0));
    http->serveInBackground();

    ASSERT_EQ(syncOnce(), 0);
    const QStringList first = entries();
    ASSERT_EQ(first.size(), 3);
    EXPECT_TRUE(first[0].endsWith("|Zprávy za GBP 5|0")) << first[0].toStdString();
    EXPECT_TRUE(first[1].endsWith("|Coeur d'artichaut...|0")) << first[1].toStdString();

    writeFeed("Zprávy a počasí", 10);
    EXPECT_TRUE(watch.reloadIfChanged(*http));
    ASSERT_EQ(syncOnce(), 0);
    QStringList expected = first;
    expected[0].replace("Zprávy za GBP 5", "Zprávy a počasí");
    expected[1].chop(1);
    expected[1] += "10";
    EXPECT_EQ(entries(), expected);
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
