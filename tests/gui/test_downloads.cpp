#include "demolistings.h"
#include "gui/dialogs/messagewindow.h"
#include "gui/reminders/reminderdesk.h"
#include "guidetest.h"
#include "listingserver.h"
#include "protocol.h"
#include "support/listings.h"

#include <QPlainTextEdit>
#include <QScopeGuard>
#include <httplib.h>
#include <thread>

using namespace obzorka;

namespace {

// The reference server for the stations ČT1 and ČT2; out of demo mode its only account is
// jana/tajne.
class ReferenceServer
{
public:
    ReferenceServer(const server::Listings& listings, bool demo)
        : accounts(prepared(folder, demo), demo, {"ČT1", "ČT2"}), http(listings, accounts)
    {
        EXPECT_EQ(accounts.problem(), "");
        EXPECT_TRUE(http.bind("127.0.0.1", 0));
        http.serveInBackground();
    }
    QString address() const { return QString("127.0.0.1:%1").arg(http.port()); }
    // The folder, out of demo mode with the accounts file of earlier versions to take over.
    static QString prepared(const QTemporaryDir& folder, bool demo)
    {
        if (!demo)
            test::writeFile(folder.path() + "/accounts.json",
                            R"({"jana": {"heslo": "tajne", "stanice": ["ČT1", "ČT2"]}})");
        return folder.path();
    }

    QTemporaryDir folder;
    server::Accounts accounts;
    server::ListingServer http;
};

// The guide on a store with the account eva/heslo, pointed at a server of the test.
class Guide : public test::GuideTest
{
protected:
    void startAt(const QString& server)
    {
        prepare();
        start(server); // its first tick starts a run
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
};

const server::Listings demo = server::demoListings(QDate::currentDate(), 3);

} // namespace

// The run at start-up fills the store, the changes move the reminder of a marked programme,
// and the empty start page gives way to the listings without a click.
TEST_F(Guide, TheGuideFillsItselfFromTheServerWhileTheWindowRuns)
{
    const int days = 11;
    server::Listings listings = server::demoListings(QDate::currentDate(), days);
    const QDate tomorrow = QDate::currentDate().addDays(1);
    const auto marked =
        std::find_if(listings.programmes.begin(), listings.programmes.end(), [&](const auto& p) {
            return p.station == "ČT1" && p.day == tomorrow && p.hod1 >= 8 && p.hod1 < 20;
        });
    ASSERT_NE(marked, listings.programmes.end());
    server::Programme moved = *marked;
    ++moved.hod1;
    ++moved.hod2;
    listings.changes = {};
    listings.changes << moved;
    ReferenceServer server(listings, true);
    prepare([&](store::Store& store) { test::mark(store, int(moved.id)); });
    guide = application(server.address());
    int reminderChecks = 0;
    QObject::connect(&guide->downloadHost(), &app::DownloadHost::runReminderCheckDue,
                     [&] { ++reminderChecks; });
    startMade();
    EXPECT_TRUE(guide->downloading()); // the tick at the end of start-up started a run
    settle();
    EXPECT_GE(reminderChecks, days); // before each listing round, and each image
    EXPECT_EQ(guide->reminderDesk()->next().id, moved.id);
    EXPECT_EQ(guide->reminderDesk()->next().at, QDateTime(tomorrow, QTime(moved.hod1, moved.min1)));
    EXPECT_TRUE(guide->mainWindow()->mainPane()->page().contains("vypisinf.htm?id="));
    EXPECT_TRUE(child("Command1_1")->isVisible());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Guide, ARejectedPasswordAsksOnceAndTheNewOneIsTriedAtOnce)
{
    ReferenceServer server(demo, false);
    startAt(server.address());
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

TEST_F(Guide, PostponingAfterARejectionStopsDownloads)
{
    ReferenceServer server(demo, false);
    startAt(server.address());
    ASSERT_EQ(shown<gui::AccountDialog>().size(), 1);
    QTest::mouseClick(shown<gui::AccountDialog>().front()->findChild<QPushButton*>("Command2"),
                      Qt::LeftButton);
    tick(3);
    EXPECT_EQ(server.http.requestCount(), 1);
}

// The server answers every request with the status 503 and an error text, after a pause.
TEST_F(Guide, AnErrorTextIsShownOnceUntilItChangesAndAPauseDuringARunKeepsItsIcon)
{
    std::atomic<bool> changed{false};
    std::atomic<int> pauseMs{0};
    httplib::Server errors;
    errors.Get(R"(/.*)", [&](const httplib::Request&, httplib::Response& r) {
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
        r.status = 503;
        const QString text = changed ? "Jiná chyba." : "Server je v údržbě.";
        r.set_content(server::protocol::error(text).toStdString(), "text/html");
    });
    const int port = errors.bind_to_any_port("127.0.0.1");
    std::thread serving([&] { errors.listen_after_bind(); });
    const auto stop = qScopeGuard([&] {
        errors.stop();
        serving.join();
    });
    startAt(QString("127.0.0.1:%1").arg(port));
    tick(2);
    EXPECT_EQ(shown<gui::MessageWindow>().size(), 1);
    changed = true;
    tick(2);
    const QList<gui::MessageWindow*> windows = shown<gui::MessageWindow>();
    ASSERT_EQ(windows.size(), 2); // each in its own window
    QStringList texts;
    for (gui::MessageWindow* window : windows)
        texts << window->findChild<QPlainTextEdit*>("Text1")->toPlainText();
    texts.sort();
    EXPECT_EQ(texts, (QStringList{"Jiná chyba.", "Server je v údržbě."}));

    pauseMs = 800;
    guide->downloadHost().tick();
    ASSERT_TRUE(guide->downloading());
    guide->togglePause();
    settle();
    EXPECT_TRUE(guide->tray()->iconFile().endsWith("/nacitzru.ico"));
}
