// Loading the operator's XMLTV files: what is served of an untidy feed, what each load says, and
// what a reload carries over from the listings served before.
#include "carryover.h"
#include "feedload.h"
#include "serveroptions.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <arpa/inet.h>
#include <csignal>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace obzorka::server;

namespace {

class FeedLoad : public ::testing::Test
{
protected:
    // Writes the feed file (a <tv> document around `body`) and an empty channel map.
    Feeds feeds(const QString& body, const QString& name = "feed.xml")
    {
        write(name, ("<?xml version=\"1.0\"?>\n<tv>\n" + body + "</tv>\n").toUtf8());
        write("map.txt", "");
        return Feeds{{folder.filePath(name)}, folder.filePath("map.txt"), QTimeZone::utc()};
    }
    void write(const QString& name, const QByteArray& content)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    // Every programme as "title start-end".
    static QString served(const Listings& listings)
    {
        QStringList all;
        for (const Programme& p : listings.programmes)
            all << QString::asprintf("%s %02d:%02d-%02d:%02d", qPrintable(p.title), p.hod1, p.min1,
                                     p.hod2, p.min2);
        return all.join(", ");
    }

    QTemporaryDir folder;
    LoadReport report;
    QString error;
};

// A programme, one per line, the start and stop in UTC ("2000" is 20:00, Prague 21:00).
QString programme(const char* channel, const char* start, const char* stop, const char* title,
                  const char* more = "")
{
    const QString stopAttribute = *stop ? QString(" stop=\"20261207%1 +0000\"").arg(stop) : "";
    const QString startAttribute = *start ? QString(" start=\"20261207%1 +0000\"").arg(start) : "";
    const QString titleElement = *title ? QString("<title>%1</title>").arg(title) : "";
    return QString("<programme channel=\"%1\"%2%3>%4%5</programme>\n")
        .arg(channel, startAttribute, stopAttribute, titleElement, more);
}

} // namespace

// One bad programme never costs the file: each is skipped with a warning naming file and line, and
// the summary counts them by reason.
TEST_F(FeedLoad, BadProgrammesAreSkippedNamedAndCounted)
{
    const QString body = "<channel id=\"a\"><display-name>A</display-name></channel>\n"
                         "<channel id=\"a\"><display-name>A again</display-name></channel>\n" +
                         programme("a", "1900", "2000", "Dobrý") +     // line 5
                         programme("", "2000", "2100", "Bez kanálu") + // 6
                         programme("a", "", "2100", "Bez začátku") +   // 7
                         "<programme channel=\"a\" start=\"20010829000500 XYZ\">"
                         "<title>Zóna</title></programme>\n" +           // 8
                         programme("a", "2000", "2100", "") +            // 9
                         programme("a", "2100", "2030", "Pozpátku") +    // 10
                         programme("a", "1900", "1930", "Týž začátek") + // 11
                         programme("a", "2000", "2100", "Druhý");        // 12
    const std::optional<Listings> listings = loadFeeds(feeds(body), &report, &error);
    ASSERT_TRUE(listings) << error.toStdString();
    EXPECT_EQ(served(*listings), "Dobrý 20:00-21:00, Druhý 21:00-22:00");
    EXPECT_EQ(listings->stations.size(), 1);
    EXPECT_EQ(report.summaries,
              QStringList{"feed.xml: kanálů 1, pořadů 2, přeskočeno 6 (bez kanálu 1, bez platného "
                          "začátku 2, bez názvu 1, konec není po začátku 1, stejný kanál a "
                          "začátek 1)"});
    EXPECT_EQ(report.warnings,
              (QStringList{"feed.xml:6: pořad přeskočen, nemá kanál",
                           "feed.xml:7: pořad přeskočen, nemá začátek",
                           "feed.xml:8: pořad přeskočen, chybný začátek „20010829000500 XYZ“",
                           "feed.xml:9: pořad přeskočen, nemá název",
                           "feed.xml:10: pořad přeskočen, konec 7.12.2026 21:30 není po začátku",
                           "feed.xml:11: pořad přeskočen, stejný kanál a začátek jako pořad před "
                           "ním"}));
}

// Only a file that is not XMLTV, or that holds nothing to serve, is refused, named.
TEST_F(FeedLoad, AFileIsRefusedOnlyWhenNothingOfItCanBeServed)
{
    const std::pair<QByteArray, const char*> cases[] = {
        {"<tv><programme channel=\"a\" start=\"20261207200000\"><title>T</title></tv>",
         "Chybné XML na řádku 1"},
        {"<rss/>", "není XMLTV"},
        {"", "Chybné XML"},
        {"<tv></tv><tv/>", "Chybné XML"},
        {"<tv><channel><display-name>A</display-name></channel><programme start=\"20261207\">"
         "<title>T</title></programme><programme channel=\"a\" start=\"x\"><title>T</title>"
         "</programme></tv>",
         "není žádný pořad"}};
    for (const auto& [content, reason] : cases) {
        Feeds files = feeds("");
        write("feed.xml", content);
        error.clear();
        EXPECT_FALSE(loadFeeds(files, &report, &error)) << content.toStdString();
        EXPECT_TRUE(error.startsWith("Soubor „" + folder.filePath("feed.xml") + "“: ") &&
                    error.contains(reason))
            << error.toStdString();
    }
    Feeds missing = feeds(programme("a", "2000", "2100", "T"));
    missing.files << folder.filePath("chybi.xml");
    EXPECT_FALSE(loadFeeds(missing, &report, &error));
    EXPECT_TRUE(error.contains("chybi.xml")) << error.toStdString();
}

// Without a stop a programme ends where the next one of its channel starts, else after its length
// in the units it names, else after an hour.
TEST_F(FeedLoad, AMissingStopComesFromTheNextStartTheLengthOrAnHour)
{
    const QString body =
        programme("a", "2000", "", "Další", "<length units=\"minutes\">5</length>") +
        programme("b", "2000", "", "Minuty", "<length units=\"minutes\">95</length>") +
        programme("c", "2000", "", "Sekundy", "<length units=\"seconds\">600</length>") +
        programme("d", "2000", "", "Hodiny", "<length units=\"hours\">2</length>") +
        programme("e", "2000", "", "Nic", "<length units=\"days\">2</length>") +
        "<programme channel=\"f\" start=\"20261207200000 +0000\" stop=\"20261232\">"
        "<title>Zlý konec</title></programme>\n" +
        programme("a", "2030", "", "Poslední");
    const std::optional<Listings> listings = loadFeeds(feeds(body), &report, &error);
    ASSERT_TRUE(listings) << error.toStdString();
    EXPECT_EQ(served(*listings), "Další 21:00-21:30, Minuty 21:00-22:35, Sekundy 21:00-21:10, "
                                 "Hodiny 21:00-23:00, Nic 21:00-22:00, Zlý konec 21:00-22:00, "
                                 "Poslední 21:30-22:30");
}

// What guides hold is carried into a reload: a programme moved on its station and day with its
// title keeps its id, one moved further or renamed and moved is new; every programme whose contents
// changed is served as a change, and changes served before stay.
TEST_F(FeedLoad, AReloadKeepsTheIdsOfMovedProgrammesAndServesWhatChanged)
{
    const QString before =
        programme("a", "1800", "1900", "Zprávy") + programme("a", "1900", "2000", "Film") +
        programme("a", "2000", "2100", "Seriál") + programme("a", "2100", "2200", "Sport") +
        programme("a", "2200", "2300", "Noc");
    std::optional<Listings> previous = loadFeeds(feeds(before), &report, &error);
    ASSERT_TRUE(previous);
    previous->changes.append(previous->programmes.at(4));
    const QString after =
        programme("a", "1800", "1900", "Zprávy a počasí") + programme("a", "1910", "2000", "Film") +
        programme("a", "2000", "2110", "Seriál") + programme("a", "1700", "1800", "Sport") +
        programme("a", "2200", "2300", "Noc");
    std::optional<Listings> fresh = loadFeeds(feeds(after), &report, &error);
    ASSERT_TRUE(fresh);
    carryOver(*previous, &*fresh);
    const auto id = [](const Listings& listings, int row) { return listings.programmes.id(row); };
    for (const int kept : {0, 1, 2, 4})
        EXPECT_EQ(id(*fresh, kept), id(*previous, kept)) << kept;
    EXPECT_NE(id(*fresh, 3), id(*previous, 3)); // moved more than three hours
    QStringList changes;
    for (const Programme& change : fresh->changes)
        changes << change.title + QString::asprintf(" %02d:%02d", change.hod1, change.min1);
    EXPECT_EQ(changes,
              (QStringList{"Zprávy a počasí 19:00", "Film 20:10", "Seriál 21:00", "Noc 23:00"}));
}

// The server prints a summary at start and at each reload on SIGHUP, keeps its listings when a
// reload fails, and ends within a second of SIGTERM.
TEST_F(FeedLoad, TheServerReloadsOnSighupAndKeepsItsListingsWhenAReloadFails)
{
    const Feeds files = feeds(programme("a", "2000", "2100", "Jedna"));
    QProcess server;
    server.start(OBZORKA_SERVER_BINARY,
                 {"--xmltv", files.files.first(), "--channels", files.channelMap, "--port", "0",
                  "--data", folder.filePath("data")});
    QByteArray out, err;
    const auto waitFor = [&](const QByteArray& text, QByteArray& stream) {
        for (int i = 0; i < 100 && !stream.contains(text); ++i) {
            server.waitForReadyRead(100);
            out += server.readAllStandardOutput();
            err += server.readAllStandardError();
        }
        return stream.contains(text);
    };
    ASSERT_TRUE(waitFor("naslouchá", out)) << err.toStdString();
    EXPECT_TRUE(out.startsWith("feed.xml: kanálů 1, pořadů 1, přeskočeno 0\n"));
    const auto rewrite = [&](const QString& body, int seconds) {
        feeds(body);
        QFile file(files.files.first());
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.setFileTime(QDateTime::currentDateTime().addSecs(seconds),
                         QFileDevice::FileModificationTime);
        ::kill(pid_t(server.processId()), SIGHUP);
    };
    rewrite(programme("a", "2000", "2100", "Jedna") + programme("a", "2100", "2200", "Dvě"), 5);
    EXPECT_TRUE(waitFor("pořadů 2, přeskočeno 0", out)) << out.toStdString();
    rewrite("<nic", 10);
    EXPECT_TRUE(waitFor("Dál platí programy z minulého načtení.", err)) << err.toStdString();
    // A client in the middle of a request does not hold the end back.
    sockaddr_in address{};
    address.sin_family = AF_INET;
    const QString listening = QString(out).section("http://127.0.0.1:", 1);
    address.sin_port = htons(listening.section('/', 0, 0).toUShort());
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int slow = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(slow, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const char partial[] = "GET /program/tvdost.php HTTP/1.1\r\nHost: x\r\n";
    ASSERT_GT(send(slow, partial, sizeof partial - 1, 0), 0);
    QThread::msleep(200);
    server.terminate();
    EXPECT_TRUE(server.waitForFinished(1000));
    EXPECT_EQ(server.exitCode(), 0);
    close(slow);
}

// Feed times without a zone are UTC unless the operator names a zone the system knows.
TEST(FeedOptions, TheZoneOfUnzonedTimes)
{
    const QStringList feed{"obzorka-server", "--xmltv", "f.xml", "--channels", "m.txt"};
    const std::pair<QStringList, const char*> cases[] = {
        {{}, "UTC"},
        {{"--xmltv-zone", "Europe/London"}, "Europe/London"},
        {{"--xmltv-zone", "Mars/Olympus"}, "Časové pásmo „Mars/Olympus“ neznám"},
        {{"--xmltv-zone"}, "Volbě --xmltv-zone chybí hodnota."}};
    for (const auto& [more, expected] : cases) {
        const ServerOptions options = parseServerOptions(feed + more);
        const QString shown =
            options.error.isEmpty() ? QString::fromUtf8(unzonedTimes(options).id()) : options.error;
        EXPECT_TRUE(shown.startsWith(QString::fromUtf8(expected))) << shown.toStdString();
    }
}
