#include "accounts.h"
#include "demolistings.h"
#include "gui/dialogs/accountdialog.h"
#include "gui/dialogs/messagewindow.h"
#include "gui/guide/pane.h"
#include "gui/main/application.h"
#include "gui/main/mainwindow.h"
#include "gui/main/tray.h"
#include "gui/reminders/reminderdesk.h"
#include "listingserver.h"
#include "protocol.h"
#include "support/listings.h"
#include "support/teststore.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMutex>
#include <QPushButton>
#include <QTest>
#include <httplib.h>
#include <thread>

using namespace obzorka;

TEST(Downloads, TheGuideFillsItselfFromTheServerWhileTheWindowRuns)
{
    test::throwOnSqlError();
    QTemporaryDir serverFolder;
    QTemporaryDir folder;
    const server::Listings listings = server::demoListings(QDate::currentDate(), 11);
    server::Accounts accounts(serverFolder.path() + "/accounts.json", true,
                              {"ČT1", "ČT2", "Nova", "Prima"});
    server::ListingServer http(listings, accounts);
    ASSERT_TRUE(http.bind("127.0.0.1", 0));
    http.serveInBackground();
    {
        store::Store store;
        ASSERT_TRUE(store.otevridb(folder.path(), nullptr));
        store::Settings(store).writeAccount("eva", "heslo");
    }
    app::Options options;
    options.dataFolder = folder.path();
    options.server = options.imageServer = QString("127.0.0.1:%1").arg(http.port());
    QStringList messages;
    auto guide = std::make_unique<gui::Application>(
        options, [&](const QString& m) { messages << m; },
        [&](const QString& m) { messages << m; });
    int reminderChecks = 0;
    QObject::connect(&guide->downloadHost(), &app::DownloadHost::runReminderCheckDue,
                     [&] { ++reminderChecks; });
    ASSERT_TRUE(guide->start());
    // The tick at the end of start-up has started a run on the worker.
    EXPECT_TRUE(guide->downloading());
    QTRY_VERIFY_WITH_TIMEOUT(!guide->downloading(), 30000);
    EXPECT_EQ(guide->downloadHost().timer1div_pln, 4320);
    // The run checks for due reminders before each of its 15 listing rounds and each image.
    EXPECT_GT(reminderChecks, 15);
    EXPECT_GT(guide->store().provedsql("SELECT * FROM program").size(), 1000u);
    // The empty start page gives way to the listings without a click.
    EXPECT_TRUE(guide->mainWindow()->mainPane()->page().contains("vypisinf.htm?id="));
    QTest::mouseClick(guide->mainWindow()->findChild<QPushButton*>("Command12_0"), Qt::LeftButton);
    EXPECT_TRUE(guide->mainWindow()->mainPane()->page().contains("vypisinf.htm?id="));
    EXPECT_TRUE(guide->mainWindow()->findChild<QPushButton*>("Command1_1")->isVisible());
    EXPECT_TRUE(messages.isEmpty());
    guide->mainWindow()->close();
    guide.reset();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close(); // the server's message window
}

namespace {

// A server that answers every request with one error text and the status 503, after a pause.
class ErrorServer
{
public:
    explicit ErrorServer(std::chrono::milliseconds pause = {})
    {
        m_http.Get(R"(/.*)", [this, pause](const httplib::Request&, httplib::Response& r) {
            std::this_thread::sleep_for(pause);
            const QMutexLocker lock(&m_mutex);
            r.status = 503;
            r.set_content(server::protocol::error(m_text).toStdString(), "text/html");
        });
        m_port = m_http.bind_to_any_port("127.0.0.1");
        m_serving = std::thread([this] { m_http.listen_after_bind(); });
    }
    ~ErrorServer()
    {
        m_http.stop();
        m_serving.join();
    }
    void say(const QString& text)
    {
        const QMutexLocker lock(&m_mutex);
        m_text = text;
    }
    QString address() const { return QString("127.0.0.1:%1").arg(m_port); }

private:
    QMutex m_mutex;
    QString m_text = "Server je v údržbě.";
    httplib::Server m_http;
    std::thread m_serving;
    int m_port = 0;
};

// The guide on a fresh data folder with the account eva/heslo, pointed at a server.
class Guide : public ::testing::Test
{
protected:
    void SetUp() override { test::throwOnSqlError(); }
    void TearDown() override
    {
        if (guide)
            guide->mainWindow()->close();
        guide.reset();
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
    }
    void start(const QString& server)
    {
        {
            store::Store store;
            ASSERT_TRUE(store.otevridb(folder.path(), nullptr));
            store::Settings(store).writeAccount("eva", "heslo");
        }
        app::Options options;
        options.dataFolder = folder.path();
        options.server = options.imageServer = server;
        guide = std::make_unique<gui::Application>(
            options, [&](const QString& m) { messages << m; },
            [&](const QString& m) { messages << m; });
        ASSERT_TRUE(guide->start()); // its first tick starts a run
        settle();
    }
    // Waits until no run is going on and what it sent has arrived.
    void settle()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!guide->downloading(), 30000);
        QApplication::processEvents();
    }
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            guide->downloadHost().tick();
            settle();
        }
    }
    template <typename Window> static QList<Window*> shown()
    {
        QList<Window*> found;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
                found << window;
        return found;
    }
    QString trayIcon() const { return QFileInfo(guide->tray()->iconFile()).fileName(); }

    QTemporaryDir folder;
    QStringList messages;
    std::unique_ptr<gui::Application> guide;
};

// The reference server; without demo mode its only account is jana/tajne.
class ReferenceServer
{
public:
    explicit ReferenceServer(const server::Listings& listings, bool demo = false)
        : accounts(folder.path() + "/accounts.json", demo, {"ČT1", "ČT2"}), http(listings, accounts)
    {
        QFile file(folder.path() + "/accounts.json");
        if (!demo && file.open(QIODevice::WriteOnly))
            file.write(R"({"jana": {"heslo": "tajne", "stanice": ["ČT1", "ČT2"]}})");
        file.close();
        QString error;
        EXPECT_TRUE(accounts.load(&error)) << error.toStdString();
        EXPECT_TRUE(http.bind("127.0.0.1", 0));
        http.serveInBackground();
    }
    QString address() const { return QString("127.0.0.1:%1").arg(http.port()); }

    QTemporaryDir folder;
    server::Accounts accounts;
    server::ListingServer http;
};

const server::Listings demo = server::demoListings(QDate::currentDate(), 3);

} // namespace

TEST_F(Guide, ARejectedPasswordAsksOnceAndTheNewOneIsTriedAtOnce)
{
    ReferenceServer server(demo);
    start(server.address());
    tick(3);
    ASSERT_EQ(shown<gui::AccountDialog>().size(), 1);
    EXPECT_EQ(server.http.requestCount(), 1); // the rejected account is not tried again
    gui::AccountDialog* dialog = shown<gui::AccountDialog>().front();
    dialog->findChild<QLineEdit*>("Text1")->setText("jana");
    dialog->findChild<QLineEdit*>("Text2")->setText("tajne");
    QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(guide->downloadHost().timer1div_pln, 4320, 30000); // no tick
    EXPECT_TRUE(shown<gui::AccountDialog>().isEmpty());
}

TEST_F(Guide, PostponingAfterARejectionStopsDownloadsAndRestsTheIcon)
{
    ReferenceServer server(demo);
    start(server.address());
    ASSERT_EQ(shown<gui::AccountDialog>().size(), 1);
    QTest::mouseClick(shown<gui::AccountDialog>().front()->findChild<QPushButton*>("Command2"),
                      Qt::LeftButton);
    tick(3);
    EXPECT_EQ(server.http.requestCount(), 1);
    EXPECT_TRUE(shown<gui::AccountDialog>().isEmpty());
    EXPECT_EQ(trayIcon(), "tv.ico");
}

TEST_F(Guide, AnErrorTextIsShownOnceUntilItChanges)
{
    ErrorServer server;
    start(server.address());
    tick(2);
    EXPECT_EQ(shown<gui::MessageWindow>().size(), 1);
    server.say("Jiná chyba.");
    tick(2);
    EXPECT_EQ(shown<gui::MessageWindow>().size(), 2);
}

TEST_F(Guide, APauseDuringARunKeepsThePausedIcon)
{
    ErrorServer server(std::chrono::milliseconds(800));
    start(server.address());
    guide->downloadHost().tick();
    ASSERT_TRUE(guide->downloading());
    guide->togglePause();
    settle();
    EXPECT_EQ(trayIcon(), "nacitzru.ico");
}

TEST_F(Guide, ARunThatMovesAMarkedProgrammeMovesItsReminder)
{
    server::Listings listings = demo;
    const QDate tomorrow = QDate::currentDate().addDays(1);
    const auto marked =
        std::find_if(listings.programmes.begin(), listings.programmes.end(), [&](const auto& p) {
            return p.station == "ČT1" && p.day == tomorrow && p.hod1 >= 8 && p.hod1 < 20;
        });
    ASSERT_NE(marked, listings.programmes.end());
    server::Programme moved = *marked;
    ++moved.hod1;
    ++moved.hod2;
    listings.changes = {moved};
    ReferenceServer server(listings, true);
    {
        store::Store store;
        ASSERT_TRUE(store.otevridb(folder.path(), nullptr));
        test::insert(store, {.id = int(marked->id),
                             .tv = "ČT1",
                             .day = tomorrow,
                             .hod1 = marked->hod1,
                             .min1 = marked->min1,
                             .hod2 = marked->hod2,
                             .min2 = marked->min2});
        test::mark(store, int(marked->id));
    }
    start(server.address());
    EXPECT_EQ(guide->reminderDesk()->next().id, marked->id);
    EXPECT_EQ(guide->reminderDesk()->next().at, QDateTime(tomorrow, QTime(moved.hod1, moved.min1)));
}
