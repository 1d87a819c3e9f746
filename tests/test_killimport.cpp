// A download without a window killed at chosen points of its talk with the server: at the
// first request, as a listing round is asked for, halfway through a round's reply, as the
// changes are asked for, and halfway through an image. The next run then asks first for the
// very round the killed one did not get (or the one before it, when the kill came while that
// one was still being merged, as the next round is asked for meanwhile), so the store held
// whole rounds only, and it ends with the listings of an uninterrupted run.
#include "demolistings.h"
#include "listingserver.h"
#include "store/store.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <httplib.h>
#include <thread>

using namespace obzorka;

namespace {

// The nth request of a kind, killed before it is answered or halfway through its reply.
struct KillPoint
{
    std::string kind;
    int nth = 0;
    bool midway = false;
};

// The reference server with demo listings, and in front of it one that passes each request
// on, notes the `posl` of each listing round, and kills the client at the chosen point.
class KilledImport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(http.bind("127.0.0.1", 0));
        http.serveInBackground();
        front.Get(R"(/.*)", [this](const httplib::Request& q, httplib::Response& r) {
            const std::string path =
                QByteArray::fromStdString(q.path).toPercentEncoding("/").toStdString();
            const auto upstream = httplib::Client("127.0.0.1", http.port()).Get(path, q.params, {});
            // The script ("tvdost.php" the login, "gener.php" a listing round, "generzme.php"
            // the changes, "banner/…" a banner) or "image".
            const std::string kind = q.path.starts_with("/program/") ? q.path.substr(9) : "image";
            if (kind == "gener.php")
                asked.push_back(q.get_param_value("posl"));
            const bool killHere = kill && kill->kind == kind && ++seen == kill->nth;
            if (killHere && !kill->midway)
                return killClient();
            const std::string body = upstream ? upstream->body : std::string();
            const std::string type = upstream ? upstream->get_header_value("Content-Type") : "";
            r.status = upstream ? upstream->status : 502;
            if (!killHere)
                return r.set_content(body, type.c_str());
            r.set_content_provider(body.size(), type.c_str(),
                                   [this, body](size_t, size_t, auto& sink) {
                                       sink.write(body.data(), body.size() / 2);
                                       killClient();
                                       return false;
                                   });
        });
        port = front.bind_to_any_port("127.0.0.1");
        serving = std::thread([this] { front.listen_after_bind(); });
    }
    void TearDown() override
    {
        front.stop();
        serving.join();
    }
    // Has the client killed, with no chance to tidy up, and waits until it has gone.
    void killClient()
    {
        killNow = true;
        for (int i = 0; i < 30000 && killNow; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    // Runs `obzorka --sync-once` on the folder through the front server: its exit code, or -1
    // when it was killed. The front's requests are one at a time, as the client makes them.
    int syncOnce(const QString& dataFolder, std::optional<KillPoint> at = {})
    {
        asked.clear();
        kill = at;
        seen = 0;
        QProcess guide;
        const QString address = QString("127.0.0.1:%1").arg(port);
        guide.start(OBZORKA_BINARY,
                    {"--data-dir", dataFolder, "--server", address, "--image-server", address,
                     "--sync-once", "--user", "eva", "--password", "heslo"});
        for (QDeadlineTimer end(60000); !guide.waitForFinished(5) && !end.hasExpired();)
            if (killNow)
                guide.kill();
        EXPECT_EQ(guide.state(), QProcess::NotRunning);
        killNow = false;
        return guide.exitStatus() == QProcess::CrashExit ? -1 : guide.exitCode();
    }
    // Every programme with all its fields, each station's last day, the images fetched, and
    // whether the store file is sound.
    static QStringList contents(const QString& dataFolder)
    {
        store::Store store;
        EXPECT_TRUE(store.otevridb(dataFolder, nullptr));
        QString fields = "id,tv,datum,hod1,min1,hod2,min2,nazev,info1,info2,stereo,titulky,dual,"
                         "znak_rec,cb,showview,obr,obr2,link,typprg";
        QStringList lines;
        for (const QString& sql :
             QStringList{"SELECT quote(" + fields.replace(",", ")||quote(") +
                             ") AS v FROM program ORDER BY id",
                         "SELECT tv||posl_datum AS v FROM televize ORDER BY tv",
                         "SELECT integrity_check AS v FROM pragma_integrity_check()"})
            for (const store::Row& row : store.provedsql(sql))
                lines << row.text(u"v");
        for (const QFileInfo& image : QDir(dataFolder + "/bmp/obr").entryInfoList(QDir::Files))
            lines << image.fileName() + " " + QString::number(image.size());
        return lines;
    }

    QTemporaryDir folder;
    server::Accounts accounts{folder.path(), true, {"ČT1", "ČT2", "Nova"}};
    server::ListingServer http{server::demoListings(QDate::currentDate(), 6), accounts};
    httplib::Server front;
    std::thread serving;
    int port = 0;
    std::vector<std::string> asked; // the `posl` of each listing round of the last run
    std::optional<KillPoint> kill;
    int seen = 0;
    std::atomic<bool> killNow{false};
};

} // namespace

TEST_F(KilledImport, AKillAtAChosenPointLeavesWholeRoundsAndTheNextRunCompletes)
{
    QTemporaryDir whole;
    ASSERT_EQ(syncOnce(whole.path()), 0);
    const QStringList uninterrupted = contents(whole.path());
    const std::vector<std::string> sent = asked;
    ASSERT_GE(sent.size(), 4u);

    // Each point with the round the next run asks for first: the one the killed run did not
    // get, or the last one, that found nothing new, once every round is in.
    const int last = int(sent.size());
    const int middle = last / 2;
    const std::vector<std::pair<KillPoint, int>> points{
        {{"tvdost.php", 1}, 1},          {{"gener.php", 1}, 1},
        {{"gener.php", middle}, middle}, {{"gener.php", middle, true}, middle},
        {{"generzme.php", 1}, last},     {{"image", 1, true}, last}};
    for (const auto& [point, resume] : points) {
        SCOPED_TRACE(point.kind + " " + std::to_string(point.nth) +
                     (point.midway ? " midway" : ""));
        QTemporaryDir killed;
        ASSERT_EQ(syncOnce(killed.path(), point), -1);
        ASSERT_EQ(syncOnce(killed.path()), 0);
        const bool duringMerge = point.kind == "gener.php" && resume > 1;
        EXPECT_TRUE(asked.front() == sent.at(resume - 1) ||
                    (duringMerge && asked.front() == sent.at(resume - 2)))
            << asked.front();
        EXPECT_EQ(contents(killed.path()), uninterrupted);
    }
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
