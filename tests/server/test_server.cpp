#include "accounts.h"
#include "demolistings.h"
#include "listingserver.h"
#include "protocol.h"

#include <QStringDecoder>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <httplib.h>
#include <thread>

using namespace obzorka::server;

namespace {

// The server on a free loopback port for the tests of one suite, with the demo listings.
class Server : public ::testing::Test
{
protected:
    void SetUp() override
    {
        listings = demoListings(QDate::currentDate(), 7);
        accounts = std::make_unique<Accounts>(folder.path() + "/accounts.json", demo,
                                              QStringList{"ČT1", "ČT2", "Markíza"});
        QString error;
        ASSERT_TRUE(accounts->load(&error));
        server = std::make_unique<ListingServer>(listings, *accounts);
        ASSERT_TRUE(server->bind("127.0.0.1", 0));
        server->serveInBackground();
        client = std::make_unique<httplib::Client>("127.0.0.1", server->port());
        client->set_read_timeout(10, 0);
    }
    // A guide request with its values percent-encoded from windows-1250, as the guide sends.
    std::string path(const char* script, const QList<std::pair<QString, QString>>& values)
    {
        std::string query;
        for (const auto& [key, value] : values)
            query += (query.empty() ? "?" : "&") + key.toStdString() + "=" +
                     QByteArray(protocol::encode(value).toPercentEncoding()).toStdString();
        return std::string("/program/") + script + query;
    }
    QString get(const std::string& target, int* status = nullptr, std::string* type = nullptr)
    {
        const auto result = client->Get(target);
        EXPECT_TRUE(result) << target;
        if (!result)
            return {};
        if (status)
            *status = result->status;
        if (type)
            *type = result->get_header_value("Content-Type");
        return protocol::decode(QByteArray::fromStdString(result->body));
    }
    QString login(const QString& name = "eva", const QString& password = "tajné & heslo",
                  const QString& version = "0.3")
    {
        return get(path("tvdost.php", {{"jmeno", name}, {"heslo", password}, {"verze", version}}));
    }
    QString gener(const QString& posl, const char* script = "gener.php")
    {
        return get(
            path(script,
                 {{"jmeno", "eva"}, {"heslo", "tajné & heslo"}, {"posl", posl}, {"verze", "0.3"}}));
    }

    bool demo = true;
    QTemporaryDir folder;
    Listings listings;
    std::unique_ptr<Accounts> accounts;
    std::unique_ptr<ListingServer> server;
    std::unique_ptr<httplib::Client> client;
};

QStringList recordsOf(const QString& reply)
{
    QString body = reply.chopped(4);
    return body.split(QChar(protocol::recordSeparator), Qt::SkipEmptyParts);
}

} // namespace

TEST_F(Server, LoginBodyHasItsFourLines)
{
    std::string type;
    const QString reply = get(
        path("tvdost.php", {{"jmeno", "eva"}, {"heslo", "x"}, {"verze", "0.3"}}), nullptr, &type);
    EXPECT_EQ(type, "text/html");
    ASSERT_TRUE(reply.endsWith(".OK."));
    const QStringList lines = reply.chopped(4).mid(1).split("\r\n");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines.at(0).startsWith("1ČT1;1,1ČT2;2,0Nova;3,"));
    EXPECT_TRUE(lines.at(0).contains("1Markíza;1001"));
    EXPECT_TRUE(lines.at(1).contains("Nova;"));
    EXPECT_FALSE(lines.at(1).contains("ČT1"));
    EXPECT_EQ(lines.at(2), listings.message);
    EXPECT_TRUE(lines.at(3).startsWith("1demo1:"));
}

TEST_F(Server, WrongVersionAndWrongPasswordAreErrorReplies)
{
    EXPECT_EQ(login("eva", "x", "0.2"), "Špatná verze programu!.ER.");
    EXPECT_EQ(login("eva", "x", ""), "Špatná verze programu!.ER.");
    EXPECT_EQ(login("", "x"), "Špatné přístupové jméno nebo heslo!.ER.");
    login("eva", "první");
    EXPECT_EQ(login("eva", "druhé"), "Špatné přístupové jméno nebo heslo!.ER.");
    // The Czech letters travel as windows-1250 bytes.
    const auto raw = client->Get(path("tvdost.php", {{"verze", "9"}}));
    ASSERT_TRUE(raw);
    EXPECT_EQ(static_cast<unsigned char>(raw->body.at(0)), 0x8A); // "Š"
}

TEST_F(Server, PagingMovesOnADayAStationAndEnds)
{
    login();
    QMap<QString, QString> held;
    int rounds = 0;
    int records = 0;
    for (;;) {
        QString posl;
        for (auto it = held.constBegin(); it != held.constEnd(); ++it)
            posl += it.key() + "," + it.value() + ";";
        const QString reply = gener(posl);
        ASSERT_TRUE(reply.endsWith(".OK.")) << reply.left(80).toStdString();
        const QStringList found = recordsOf(reply);
        if (found.isEmpty())
            break;
        ASSERT_LT(++rounds, 20);
        records += found.size();
        for (const QString& record : found) {
            const QStringList fields = record.split(QChar(protocol::fieldSeparator));
            ASSERT_EQ(fields.size(), 16);
            held[fields.at(1)] = fields.at(2);
        }
    }
    EXPECT_EQ(rounds, 14);
    int expected = 0;
    for (const Programme& programme : listings.programmes)
        expected += QStringList{"ČT1", "ČT2", "Markíza"}.contains(programme.station) &&
                    programme.day >= QDate::currentDate().addDays(-1);
    EXPECT_EQ(records, expected);
    // A day far ahead ends it at once, a day long gone starts from yesterday.
    EXPECT_EQ(gener("ČT1,1.1.2099;ČT2,1.1.2099;Markíza,1.1.2099;"), ".OK.");
    EXPECT_FALSE(recordsOf(gener("ČT1,1.1.2000;")).isEmpty());
}

TEST_F(Server, MalformedPoslAndMissingValuesGetErrorTexts)
{
    EXPECT_TRUE(gener("ČT1;").endsWith(".ER."));
    EXPECT_TRUE(gener("ČT1,31.2.2026;").endsWith(".ER."));
    EXPECT_TRUE(get("/program/gener.php").endsWith(".ER."));
    int status = 0;
    get("/program/gener.php?posl=" + std::string(20000, 'x'), &status);
    EXPECT_GE(status, 400);
    EXPECT_TRUE(login().endsWith(".OK.")); // still serving
}

TEST_F(Server, ChangeFeedBringsTheChangedRecords)
{
    login();
    const QStringList changed = recordsOf(gener("", "generzme.php"));
    int expected = 0;
    for (const Programme& programme : listings.changes)
        expected += QStringList{"ČT1", "ČT2", "Markíza"}.contains(programme.station);
    EXPECT_EQ(changed.size(), expected);
}

// Brotli at the library's top quality made each listing page cost tens of milliseconds.
TEST_F(Server, RepliesArePackedWithGzipOnlyAndArriveWhole)
{
    login();
    const std::string target =
        path("gener.php",
             {{"jmeno", "eva"}, {"heslo", "tajné & heslo"}, {"posl", ""}, {"verze", "0.3"}});
    const auto plain = client->Get(target);
    ASSERT_TRUE(plain);
    for (const char* offered : {"br, gzip, deflate", "gzip", "br"}) {
        const auto packed = client->Get(target, {{"Accept-Encoding", offered}});
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
    auto gif = client->Get("/program/banner/" + banner.id.toStdString() + "/banner.gif");
    ASSERT_TRUE(gif);
    EXPECT_EQ(QByteArray::fromStdString(gif->body), banner.bannerGif);
    const QString imageName = listings.images.firstKey();
    auto image = client->Get("/" + imageName.toStdString());
    ASSERT_TRUE(image);
    EXPECT_EQ(QByteArray::fromStdString(image->body), listings.images.first());
    for (const char* target :
         {"/..%2F..%2Fetc%2Fpasswd", "/program/banner/demo1/..%2Faccounts.json",
          "/program/banner/..%2F..%2F/x", "/nic.png", "/program/banner/demo9/banner.gif"}) {
        auto result = client->Get(target);
        ASSERT_TRUE(result) << target;
        EXPECT_EQ(result->status, 404) << target;
    }
}

TEST_F(Server, StationChoicePageChangesTheNextLogin)
{
    login();
    auto page = client->Get("/program?jmeno=eva&heslo=" +
                            QUrl::toPercentEncoding("tajné & heslo").toStdString());
    ASSERT_TRUE(page);
    EXPECT_NE(page->body.find("name=\"s3\""), std::string::npos);
    const auto saved =
        client->Post("/program",
                     "jmeno=eva&heslo=" + QUrl::toPercentEncoding("tajné & heslo").toStdString() +
                         "&s3=on&s3001=on",
                     "application/x-www-form-urlencoded");
    ASSERT_TRUE(saved);
    EXPECT_NE(saved->body.find("Nova"), std::string::npos);
    const QString lines = login().chopped(4).mid(1).section("\r\n", 0, 0);
    EXPECT_TRUE(lines.contains("1Nova;3"));
    EXPECT_TRUE(lines.contains("1ZDF;3001"));
    EXPECT_TRUE(lines.contains("0ČT1;1"));
}

class ClosedServer : public Server
{
protected:
    void SetUp() override
    {
        demo = false;
        Server::SetUp();
    }
};

TEST_F(ClosedServer, OnlyAccountsOfTheFileLogIn)
{
    EXPECT_EQ(login("eva", "x"), "Špatné přístupové jméno nebo heslo!.ER.");
}
