#include "gui/dialogs/accountdialog.h"
#include "gui/guide/pane.h"
#include "gui/main/application.h"
#include "gui/main/mainwindow.h"
#include "pages/generhtml.h"
#include "store/clock.h"
#include "support/teststore.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace obzorka;

namespace {

// Acts on the account dialog once it is shown modally; remembers what was visible then.
class DialogDriver
{
public:
    explicit DialogDriver(std::function<void(gui::AccountDialog*)> act) : m_act(std::move(act))
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<gui::AccountDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            ++shown;
            mainWindowVisibleMeanwhile |= anyMainWindowVisible();
            m_act(dialog);
        });
        m_poll.start(10);
    }

    int shown = 0;
    bool mainWindowVisibleMeanwhile = false;

private:
    static bool anyMainWindowVisible()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<gui::MainWindow*>(widget) && widget->isVisible())
                return true;
        return false;
    }

    QTimer m_poll;
    std::function<void(gui::AccountDialog*)> m_act;
};

void fillAndConfirm(gui::AccountDialog* dialog, const QString& name, const QString& password)
{
    dialog->findChild<QLineEdit*>("Text1")->setText(name);
    dialog->findChild<QLineEdit*>("Text2")->setText(password);
    QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
}

class Startup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::throwOnSqlError();
        options.dataFolder = folder.path();
        options.server = "127.0.0.1:9";
        options.imageServer = "127.0.0.1:9";
    }
    void TearDown() override { store::Clock::release(); }

    std::unique_ptr<gui::Application> application()
    {
        return std::make_unique<gui::Application>(
            options, [this](const QString& message) { messages << message; },
            [this](const QString& message) { information << message; });
    }

    // A store that already holds an account, so that start-up needs no dialog.
    void prepareStore(const std::function<void(store::Store&)>& fill)
    {
        store::Store store;
        ASSERT_TRUE(store.otevridb(folder.path(), nullptr));
        store::Settings(store).writeAccount("eva", "heslo");
        fill(store);
    }

    QTemporaryDir folder;
    app::Options options;
    QStringList messages;
    QStringList information;
};

} // namespace

TEST_F(Startup, EmptyFolderAsksForTheAccountBeforeTheWindowShows)
{
    DialogDriver driver(
        [](gui::AccountDialog* dialog) { fillAndConfirm(dialog, " jan'ek ", "ta'jne"); });
    auto guide = application();
    ASSERT_TRUE(guide->start());

    EXPECT_EQ(driver.shown, 1);
    EXPECT_FALSE(driver.mainWindowVisibleMeanwhile);
    gui::MainWindow* window = guide->mainWindow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Obzorka - verze " OBZORKA_VERSION " - janek");
    EXPECT_EQ(guide->state().data_heslo, "ta'jne");
    EXPECT_TRUE(QFile::exists(folder.path() + "/obz.db"));
    EXPECT_EQ(guide->store().provedsql("SELECT * FROM svatky").size(), 366u);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Startup, ControlsAreFilledAndTheTimersRun)
{
    store::Clock::setFixed(QDateTime(QDate(2026, 12, 7), QTime(18, 30)));
    prepareStore([](store::Store&) {});
    auto guide = application();
    ASSERT_TRUE(guide->start());
    gui::MainWindow* window = guide->mainWindow();

    auto* day = window->findChild<QComboBox*>("Combo1");
    EXPECT_EQ(day->count(), 14);
    EXPECT_EQ(day->itemText(0), "Noční_pořady-Neděle 6.12.2026");
    EXPECT_EQ(day->currentText(), "Pondělí 7.12.2026");
    EXPECT_EQ(window->findChild<QComboBox*>("Combo2")->currentText(), "Teď");
    EXPECT_EQ(window->findChild<QComboBox*>("Combo3")->currentText(), "Konce");
    EXPECT_EQ(window->findChild<QComboBox*>("Combo4")->currentText(), "Vše");
    EXPECT_EQ(window->findChild<QComboBox*>("Combo5")->currentText(), "Kdykoliv");
    EXPECT_EQ(window->findChild<QComboBox*>("Combo5")->itemText(1), "Pondělí 7.12.2026");
    EXPECT_EQ(window->findChild<QComboBox*>("Combo6")->currentText(), "Vše");
    EXPECT_EQ(window->findChild<QComboBox*>("Combo7")->currentText(), "Všechny");
    EXPECT_EQ(window->findChild<QLineEdit*>("Text1")->text(), "5");
    EXPECT_FALSE(window->findChild<QCheckBox*>("Check1")->isChecked());
    EXPECT_TRUE(
        window->findChild<QLabel*>("Label9")->text().startsWith("Dnes je pondělí 7.12.2026.\n"));
    EXPECT_EQ(window->mainPane()->page(), pages::generzprava(""));

    EXPECT_EQ(guide->state().zvoleno4, 0);
    EXPECT_EQ(guide->state().zvolenedatum, QDate(2026, 12, 7));
    EXPECT_TRUE(guide->downloadHost().timer1Enabled());
    EXPECT_TRUE(guide->downloadHost().timer2Enabled());
    EXPECT_EQ(guide->downloadHost().ticks(), 1);
}

TEST_F(Startup, StoredSettingsReachTheControlsAndThePauseIsForgotten)
{
    prepareStore([](store::Store& store) {
        store::Settings settings(store);
        settings.write(store::settingkeys::upozornitMinutPredem, "12");
        settings.write(store::settingkeys::vps, "TRUE");
        settings.write(store::settingkeys::nestahovatObrazky, "ano");
        settings.writeFlag(store::settingkeys::povolenoStahovani, false);
    });
    auto guide = application();
    ASSERT_TRUE(guide->start());
    gui::MainWindow* window = guide->mainWindow();
    EXPECT_EQ(window->findChild<QLineEdit*>("Text1")->text(), "12");
    EXPECT_TRUE(window->findChild<QCheckBox*>("Check1")->isChecked());
    EXPECT_FALSE(window->findChild<QCheckBox*>("Check2")->isChecked());
    EXPECT_TRUE(guide->state().povoleno_stahovani);
    EXPECT_TRUE(guide->store()
                    .provedsql("SELECT * FROM nastaveni WHERE polozka='povoleno_stahovani'")
                    .empty());
}

TEST_F(Startup, EndedMarksArePurged)
{
    store::Clock::setFixed(QDateTime(QDate(2026, 12, 7), QTime(21, 0, 30)));
    prepareStore([](store::Store& store) {
        store.provedsql("INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, nazev) VALUES "
                        "(1, 'ČT1', '2026-12-07', 20, 0, 20, 59, 'Konec'), "
                        "(2, 'ČT1', '2026-12-07', 20, 59, 22, 0, 'Běží')");
        store.provedsql("INSERT INTO upozornit (id) VALUES (1), (2)");
    });
    auto guide = application();
    ASSERT_TRUE(guide->start());
    const store::Rows left = guide->store().provedsql("SELECT id FROM upozornit");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left.front().number(u"id"), 2);
}

TEST_F(Startup, ClosingTheDialogAsksAgainAndPostponingRunsAnonymously)
{
    prepareStore([](store::Store& store) { store::Settings(store).removeAccount(); });
    DialogDriver driver([](gui::AccountDialog* dialog) {
        static int round = 0;
        if (++round == 1)
            dialog->reject(); // the close box saves nothing
        else
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    });
    auto guide = application();
    ASSERT_TRUE(guide->start());
    EXPECT_EQ(driver.shown, 2);
    EXPECT_EQ(guide->state().data_jmeno, "anonymous");
    EXPECT_EQ(guide->mainWindow()->windowTitle(),
              "Obzorka - verze " OBZORKA_VERSION " - anonymous");
    EXPECT_TRUE(guide->store().provedsql("SELECT * FROM nastaveni WHERE polozka='jmeno'").empty());
}

TEST_F(Startup, SecondCopyOnTheSameFolderIsRefused)
{
    prepareStore([](store::Store&) {});
    auto first = application();
    ASSERT_TRUE(first->start());
    auto second = application();
    EXPECT_FALSE(second->start());
    EXPECT_EQ(messages, QStringList{"Program Obzorka je již otevřen."});
    EXPECT_EQ(second->mainWindow(), nullptr);
    EXPECT_TRUE(first->store().isOpen());
    EXPECT_TRUE(first->mainWindow()->isVisible());
}

TEST_F(Startup, UnreadableStoreEndsWithAMessageNamingIt)
{
    const QString path = folder.path() + "/obz.db";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Access database? No.");
    file.close();
    auto guide = application();
    EXPECT_FALSE(guide->start());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Access database? No."));
}

TEST_F(Startup, ClosingTheWindowStopsTheDownloaderAndClosesTheStore)
{
    prepareStore([](store::Store&) {});
    auto guide = application();
    ASSERT_TRUE(guide->start());
    auto* box = guide->mainWindow()->findChild<QLineEdit*>("Text1");
    box->setText("15"); // typed, and the box still has the focus as the window closes
    guide->mainWindow()->close();
    emit box->editingFinished();
    EXPECT_TRUE(guide->downloadHost().pln_ukonci);
    EXPECT_FALSE(guide->store().isOpen());
}

TEST_F(Startup, SettingsBoxesStoreOnlyOnceStartupIsOver)
{
    // Start-up ticks the boxes from these values; writing back would store "True".
    prepareStore([](store::Store& store) {
        store::Settings(store).write(store::settingkeys::vps, "TRUE");
        store::Settings(store).write(store::settingkeys::nestahovatObrazky, "true");
    });
    auto guide = application();
    ASSERT_TRUE(guide->start());
    store::Settings settings(guide->store());
    EXPECT_EQ(settings.read(store::settingkeys::vps), "TRUE");
    EXPECT_EQ(settings.read(store::settingkeys::nestahovatObrazky), "true");

    gui::MainWindow* window = guide->mainWindow();
    QTest::mouseClick(window->findChild<QCheckBox*>("Check1"), Qt::LeftButton);
    EXPECT_EQ(settings.read(store::settingkeys::vps), "False");
    guide->downloadHost().timer1div_pln = 4320;
    QTest::mouseClick(window->findChild<QCheckBox*>("Check2"), Qt::LeftButton);
    EXPECT_EQ(settings.read(store::settingkeys::nestahovatObrazky), "False");
    EXPECT_EQ(guide->downloadHost().timer1div_pln, 1);
}
