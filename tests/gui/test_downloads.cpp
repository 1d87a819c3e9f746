#include "accounts.h"
#include "demolistings.h"
#include "listingserver.h"
#include "shell/application.h"
#include "shell/mainwindow.h"
#include "shell/pane.h"
#include "support/teststore.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

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
        Store store;
        ASSERT_TRUE(store.otevridb(folder.path(), nullptr));
        Settings(store).writeAccount("eva", "heslo");
    }
    Options options;
    options.dataFolder = folder.path();
    options.server = options.imageServer = QString("127.0.0.1:%1").arg(http.port());
    QStringList messages;
    auto guide = std::make_unique<Application>(
        options, [&](const QString& m) { messages << m; },
        [&](const QString& m) { messages << m; });
    int reminderChecks = 0;
    QObject::connect(&guide->downloadHost(), &DownloadHost::runReminderCheckDue,
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
