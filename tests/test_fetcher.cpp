#include "sync/fetcher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <httplib.h>
#include <thread>

using namespace obzorka::sync;

namespace {

// A web server on a free loopback port with the replies the fetch must tell apart.
class Fetch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        czech = QByteArray(QStringEncoder("windows-1250")(QStringLiteral("Žluťoučký kůň .OK.")))
                    .toStdString();
        image = std::string("\x89PNG\r\n\x1a\n\0\x01\xff\xfe", 12);
        server.Get("/text", [this](const httplib::Request&, httplib::Response& r) {
            r.set_content(czech, "text/html");
        });
        server.Get("/charset", [this](const httplib::Request&, httplib::Response& r) {
            r.set_content(czech, "text/html; charset=windows-1250");
        });
        server.Get("/image.png", [this](const httplib::Request&, httplib::Response& r) {
            r.set_content(image, "image/png");
        });
        server.Get("/blank", [](const httplib::Request&, httplib::Response& r) {
            r.set_content("   \r\n", "text/html");
        });
        server.Get("/notfound", [](const httplib::Request&, httplib::Response& r) {
            r.status = 200; // a server that says 404 only in its page
            r.set_content("<HTML><TITLE>404 Not Found</TITLE></HTML>", "text/html");
        });
        server.Get("/slow", [](const httplib::Request&, httplib::Response& r) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            r.set_content("late", "text/html");
        });
        server.Get("/echo", [](const httplib::Request& q, httplib::Response& r) {
            r.set_content(q.get_param_value("heslo"), "application/octet-stream");
        });
        port = server.bind_to_any_port("127.0.0.1");
        serving = std::thread([this] { server.listen_after_bind(); });
    }
    void TearDown() override
    {
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

    httplib::Server server;
    std::thread serving;
    int port = 0;
    std::string czech;
    std::string image;
    std::atomic<bool> stop{false};
    QTemporaryDir folder;
};

} // namespace

TEST_F(Fetch, TextAndBytesArriveWholeAndFilesTakeTheSameBytes)
{
    Fetcher fetcher(stop);
    EXPECT_EQ(fetcher.readUrl(url("/text")).toStdString(), "Žluťoučký kůň .OK.");
    EXPECT_EQ(fetcher.readUrl(url("/charset"), folder.path() + "/c.txt").toStdString(),
              "Žluťoučký kůň .OK.");
    EXPECT_EQ(read(folder.path() + "/c.txt").toStdString(), czech);
    const QString target = folder.path() + "/obr.png";
    QFile older(target);
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write(QByteArray(4096, 'x')); // a longer older file is replaced whole
    older.close();
    fetcher.readUrl(url("/image.png"), target);
    EXPECT_EQ(read(target).toStdString(), image);
}

TEST_F(Fetch, BlankBodiesMissingFilesAndNotFoundPagesWriteNothing)
{
    Fetcher fetcher(stop);
    for (const char* path : {"/blank", "/notfound", "/missing"}) {
        const QString target = folder.path() + path + ".bin";
        fetcher.readUrl(url(path), target);
        EXPECT_FALSE(QFile::exists(target)) << path;
    }
    EXPECT_TRUE(fetcher.readUrl(url("/missing")).isEmpty());
    EXPECT_TRUE(fetcher.readUrl(QUrl("http://127.0.0.1:1/nic")).isEmpty());
}

TEST_F(Fetch, StopFlagAndTimeOutEndTheWait)
{
    Fetcher fetcher(stop);
    fetcher.timeoutMs = 400;
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(fetcher.readUrl(url("/slow")).isEmpty());
    EXPECT_LT(clock.elapsed(), 1400);

    int rounds = 0;
    Fetcher stopping(stop, [&](int units) {
        if (units == 1 && ++rounds == 2)
            stop = true;
    });
    clock.restart();
    EXPECT_TRUE(stopping.readUrl(url("/slow"), folder.path() + "/slow.txt").isEmpty());
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(QFile::exists(folder.path() + "/slow.txt"));
}

TEST_F(Fetch, ValuesTravelAsWindows1250PercentEncoding)
{
    Fetcher fetcher(stop);
    const QUrl address = requestUrl(QStringLiteral("127.0.0.1:%1").arg(port), "/echo",
                                    {{"jmeno", "eva"}, {"heslo", "tajné & heslo=ano"}});
    EXPECT_TRUE(address.toEncoded().contains("heslo=tajn%E9%20%26%20heslo%3Dano"));
    EXPECT_EQ(fetcher.readUrl(address).toStdString(), "tajné & heslo=ano");
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
