#include "sync/fetcher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
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
        server.Get("/halfway", [this](const httplib::Request&, httplib::Response& r) {
            r.set_content_provider(
                image.size(), "image/png", [this](size_t, size_t, httplib::DataSink& sink) {
                    sink.write(image.data(), image.size() / 2);
                    for (int i = 0; i < 300 && !stop; ++i) // the server falls silent
                        std::this_thread::sleep_for(std::chrono::milliseconds(10));
                    return false;
                });
        });
        server.Get("/echo", [](const httplib::Request& q, httplib::Response& r) {
            r.set_content(q.get_param_value("heslo"), "application/octet-stream");
        });
        // The file name as the path brought it, percent-encoding undone.
        server.Get(R"(/soubor/(.+))", [](const httplib::Request& q, httplib::Response& r) {
            r.set_content(q.matches[1], "image/png");
        });
        // /skok/N sends the client on to /skok/N-1, and /skok/0 to /text; /kruh loops.
        server.Get(R"(/skok/(\d+))", [](const httplib::Request& q, httplib::Response& r) {
            const int left = std::stoi(q.matches[1]);
            r.set_redirect(left == 0 ? "/text" : "/skok/" + std::to_string(left - 1));
        });
        server.Get("/kruh",
                   [](const httplib::Request&, httplib::Response& r) { r.set_redirect("/kruh"); });
        server.Get("/jinam", [](const httplib::Request&, httplib::Response& r) {
            r.set_redirect("http://127.0.0.2:1/text");
        });
        server.Get("/odmitnuto", [](const httplib::Request&, httplib::Response& r) {
            r.status = 403;
            r.set_content("Ucet je zablokovan..ER.", "text/html");
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
    EXPECT_EQ(fetcher.readUrl(url("/text")).body.toStdString(), "Žluťoučký kůň .OK.");
    EXPECT_EQ(fetcher.readUrl(url("/charset"), folder.path() + "/c.txt").body.toStdString(),
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

// Only a successful reply with a body becomes a file; redirects are followed on the same
// server only, five at the most.
TEST_F(Fetch, StatusesRedirectsAndWhatBecomesAFile)
{
    struct Case
    {
        const char* path;
        int status;   // what the fetch reports
        bool written; // whether the file appears
        const char* body = "";
    };
    const Case cases[] = {
        {"/skok/1", 200, true, "Žluťoučký kůň .OK."}, // two redirects
        {"/skok/4", 200, true, "Žluťoučký kůň .OK."}, // five
        {"/skok/5", 0, false},                        // six
        {"/kruh", 0, false},
        {"/jinam", 0, false},
        {"/blank", 200, false, "   \r\n"},
        {"/notfound", 200, false, "<HTML><TITLE>404 Not Found</TITLE></HTML>"},
        {"/missing", 404, false},
        {"/odmitnuto", 403, false, "Ucet je zablokovan..ER."},
    };
    Fetcher fetcher(stop);
    for (const Case& c : cases) {
        const QString target = folder.path() + "/soubor.bin";
        const Fetched fetched = fetcher.readUrl(url(c.path), target);
        EXPECT_EQ(fetched.status, c.status) << c.path;
        EXPECT_EQ(QFile::exists(target), c.written) << c.path;
        if (*c.body || !c.status) {
            EXPECT_EQ(fetched.body.toStdString(), c.body) << c.path;
        }
        QFile::remove(target);
    }
    EXPECT_EQ(fetcher.readUrl(QUrl("http://127.0.0.1:1/nic")).status, 0);
}

TEST_F(Fetch, StopFlagAndTimeOutEndTheWait)
{
    Fetcher fetcher(stop);
    fetcher.timeoutMs = 400;
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(fetcher.readUrl(url("/slow")).body.isEmpty());
    EXPECT_LT(clock.elapsed(), 1400);
    clock.restart();
    EXPECT_TRUE(fetcher.readUrl(url("/halfway"), folder.path() + "/half.png").body.isEmpty());
    EXPECT_LT(clock.elapsed(), 1400);
    EXPECT_FALSE(QFile::exists(folder.path() + "/half.png"));

    int rounds = 0;
    Fetcher stopping(stop, [&](int units) {
        if (units == 1 && ++rounds == 2)
            stop = true;
    });
    clock.restart();
    EXPECT_TRUE(stopping.readUrl(url("/slow"), folder.path() + "/slow.txt").body.isEmpty());
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(QFile::exists(folder.path() + "/slow.txt"));
}

TEST_F(Fetch, ValuesAndFileNamesTravelAsWindows1250PercentEncoding)
{
    Fetcher fetcher(stop);
    const QString host = QStringLiteral("127.0.0.1:%1").arg(port);
    const QUrl address =
        requestUrl(host, "/echo", {{"jmeno", "eva"}, {"heslo", "tajné & heslo=ano"}});
    EXPECT_TRUE(address.toEncoded().contains("heslo=tajn%E9%20%26%20heslo%3Dano"));
    EXPECT_EQ(fetcher.readUrl(address).body.toStdString(), "tajné & heslo=ano");
    for (const QString name : {"a b.png", "x?y.png", "č#1 100%.png", "Pořad (nový).png"}) {
        const QString target = folder.path() + "/" + name;
        EXPECT_EQ(fetcher.readUrl(requestUrl(host, "/soubor/" + name), target).body, name);
        EXPECT_EQ(read(target), QByteArray(QStringEncoder("windows-1250")(name)));
    }
    EXPECT_TRUE(fitsWindows1250("Pořad č. 1 (nový)#2.png"));
    EXPECT_FALSE(fitsWindows1250("Kraków 日本.png"));
}

// A web server written by others: Python's, serving files from a folder.
TEST(FetchFromPython, FilesArriveByteForByteAndEmptyOrMissingOnesLeaveNoFile)
{
    QTemporaryDir served;
    QTemporaryDir folder;
    QByteArray picture;
    for (int i = 0; i < 70000; ++i)
        picture.append(char((i * 7919) % 256)); // every byte value, zeros included
    QFile image(served.path() + "/obr.png");
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.write(picture);
    image.close();
    QFile empty(served.path() + "/prazdny.png");
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();

    QTcpServer probe; // a free port for the server
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    QProcess python;
    python.start("python3", {"-m", "http.server", QString::number(port), "--bind", "127.0.0.1",
                             "--directory", served.path()});
    ASSERT_TRUE(python.waitForStarted(10000)) << "python3 is needed for this test";
    const auto stopPython = qScopeGuard([&] {
        python.kill();
        python.waitForFinished();
    });
    bool listening = false;
    for (int i = 0; i < 100 && !listening; ++i) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        listening = probe.waitForConnected(100);
        if (!listening)
            QThread::msleep(50);
    }
    ASSERT_TRUE(listening);

    std::atomic<bool> stop{false};
    Fetcher fetcher(stop);
    const QString host = QStringLiteral("127.0.0.1:%1").arg(port);
    for (const char* name : {"obr.png", "prazdny.png", "chybi.png"})
        fetcher.readUrl(requestUrl(host, QStringLiteral("/") + name), folder.path() + "/" + name);
    QFile arrived(folder.path() + "/obr.png");
    ASSERT_TRUE(arrived.open(QIODevice::ReadOnly));
    EXPECT_EQ(arrived.readAll(), picture);
    EXPECT_FALSE(QFile::exists(folder.path() + "/prazdny.png"));
    EXPECT_FALSE(QFile::exists(folder.path() + "/chybi.png"));
}

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
