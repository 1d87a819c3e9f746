#include "gui/main/firstframe.h"
#include "guidetest.h"

#include <QElapsedTimer>
#include <QWindow>

using namespace obzorka;
using Answer = std::function<void(gui::AccountDialog*)>;
namespace keys = store::settingkeys;

namespace {

class Startup : public test::GuideTest
{
protected:
    // Starts the guide and answers the modal account dialog each time it shows with the next
    // answer (postponing when none is left); counts the dialogs and whether the main window
    // was visible behind one.
    void startAnswering(const QList<Answer>& answers)
    {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<gui::AccountDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            windowBehindDialog |= !shown<gui::MainWindow>().isEmpty();
            if (dialogs < answers.size())
                answers.at(dialogs)(dialog);
            else
                QTest::mouseClick(dialog->findChild<QPushButton*>("Command2"), Qt::LeftButton);
            ++dialogs;
        });
        poll.start(10);
        start();
    }

    int dialogs = 0;
    bool windowBehindDialog = false;
};

} // namespace

TEST_F(Startup, AnEmptyStoreAsksForTheAccountBeforeTheWindowShowsUntilOneIsGiven)
{
    startAnswering({[](gui::AccountDialog* dialog) { dialog->reject(); }, // the close box
                    [](gui::AccountDialog* dialog) {
                        dialog->findChild<QLineEdit*>("Text1")->setText(" jan'ek ");
                        dialog->findChild<QLineEdit*>("Text2")->setText("ta'jne");
                        QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"),
                                          Qt::LeftButton);
                    }});
    EXPECT_EQ(dialogs, 2);
    EXPECT_FALSE(windowBehindDialog);
    EXPECT_TRUE(guide->mainWindow()->isVisible());
    EXPECT_EQ(guide->mainWindow()->windowTitle(), "Obzorka - verze " OBZORKA_VERSION " - janek");
    EXPECT_EQ(guide->state().data_heslo, "ta'jne");
    EXPECT_EQ(store::Settings(guide->store()).readAccount().name, "janek");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Startup, PostponingRunsAnonymouslyAndStoresNoAccount)
{
    startAnswering({});
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(guide->state().data_jmeno, "anonymous");
    EXPECT_TRUE(store::Settings(guide->store()).readAccount().name.isEmpty());
}

// The boxes are ticked from the stored values without writing them back; a click writes.
TEST_F(Startup, ControlsAreFilledFromTheSettingsTimersRunAndEndedMarksGo)
{
    store::Clock::setFixed(QDateTime(QDate(2026, 12, 7), QTime(18, 30, 30)));
    prepare([](store::Store& store) {
        store.provedsql("INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2) VALUES "
                        "(1, 'ČT1', '2026-12-07', 17, 0, 18, 29), "
                        "(2, 'ČT1', '2026-12-07', 18, 29, 19, 0)");
        store.provedsql("INSERT INTO upozornit (id) VALUES (1), (2)");
        store::Settings settings(store);
        settings.write(keys::upozornitMinutPredem, "12");
        settings.write(keys::vps, "TRUE");
        settings.write(keys::nestahovatObrazky, "ano");
        settings.writeFlag(keys::povolenoStahovani, false);
    });
    start();
    EXPECT_TRUE(guide->downloadHost().timer1Enabled());
    EXPECT_TRUE(guide->downloadHost().timer2Enabled());
    EXPECT_EQ(value("SELECT group_concat(id) AS v FROM upozornit"), "2");

    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "12");
    EXPECT_TRUE(child<QCheckBox>("Check1")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("Check2")->isChecked());
    EXPECT_TRUE(guide->state().povoleno_stahovani); // the pause is forgotten
    EXPECT_EQ(setting(keys::vps), "TRUE");
    EXPECT_EQ(setting(keys::nestahovatObrazky), "ano");
    QTest::mouseClick(child<QCheckBox>("Check1"), Qt::LeftButton);
    EXPECT_EQ(setting(keys::vps), "False");
    guide->downloadHost().timer1div_pln = 4320;
    QTest::mouseClick(child<QCheckBox>("Check2"), Qt::LeftButton);
    EXPECT_EQ(setting(keys::nestahovatObrazky), "True");
    EXPECT_EQ(guide->downloadHost().timer1div_pln, 1); // a run that honours the choice
}

// The window takes the user's clicks as soon as it shows, before the tray and the downloads
// start behind its first frame; a window closed before that frame starts none of them.
TEST_F(Startup, ClicksBeforeTheFirstFrameCountAndAWindowClosedByThenStartsNothing)
{
    prepare();
    for (const bool closedAtOnce : {false, true}) {
        SCOPED_TRACE(closedAtOnce ? "closed at once" : "clicked at once");
        guide = application();
        ASSERT_TRUE(guide->start());
        ASSERT_FALSE(guide->backgroundRunning());
        if (closedAtOnce) {
            guide->mainWindow()->close();
            QTest::qWait(500); // past the latest moment the rest would start
            EXPECT_FALSE(guide->backgroundRunning());
            EXPECT_EQ(guide->tray(), nullptr);
            continue;
        }
        QTest::mouseClick(child<QCheckBox>("Check1"), Qt::LeftButton);
        EXPECT_EQ(setting(keys::vps), "True");
        ASSERT_TRUE(QTest::qWaitFor([this] { return guide->backgroundRunning(); }));
        EXPECT_NE(guide->tray(), nullptr);
        guide->mainWindow()->close();
        guide.reset();
    }
}

TEST_F(Startup, AnUnreadableStoreEndsWithAMessageNamingIt)
{
    test::writeFile(folder.path() + "/obz.db", "Access database? No.");
    guide = application();
    EXPECT_FALSE(guide->start());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(folder.path() + "/obz.db"));
}

TEST_F(Startup, ASecondCopyIsRefusedAndClosingTheWindowStopsTheDownloaderAndTheStore)
{
    prepare();
    start();
    auto second = application();
    EXPECT_FALSE(second->start());
    EXPECT_EQ(messages, QStringList{"Program Obzorka je již otevřen."});
    EXPECT_EQ(second->mainWindow(), nullptr);
    EXPECT_TRUE(guide->mainWindow()->isVisible());
    auto* box = child<QLineEdit>("Text1");
    box->setText("15"); // typed, and the box still has the focus as the window closes
    guide->mainWindow()->close();
    emit box->editingFinished(); // must not write to the closed store
    EXPECT_TRUE(guide->downloadHost().pln_ukonci);
    EXPECT_FALSE(guide->store().isOpen());
}

// The banner, the tray and the reminders' timers wait for the first frame, and come anyway for
// a window the desktop never exposes; never for a guide already gone.
TEST(FirstFrame, TheTaskComesAfterThePaintOrAtTheLatestAndNeverWithoutItsContext)
{
    using namespace std::chrono_literals;
    struct Case
    {
        const char* name;
        bool shown;
        bool contextGone;
        bool runs;
    };
    for (const Case& c :
         {Case{"shown", true, false, true}, Case{"never exposed", false, false, true},
          Case{"context gone", true, true, false}}) {
        SCOPED_TRACE(c.name);
        QWidget window;
        auto context = std::make_unique<QObject>();
        bool exposedFirst = false;
        int runs = 0;
        gui::afterFirstFrame(
            &window, context.get(),
            [&] {
                exposedFirst = !c.shown || window.windowHandle()->isExposed();
                ++runs;
            },
            c.shown ? 800ms : 100ms);
        EXPECT_EQ(runs, 0); // never at once
        if (c.shown)
            window.show();
        if (c.contextGone)
            context.reset();
        QElapsedTimer waited;
        waited.start();
        EXPECT_EQ(QTest::qWaitFor([&] { return runs > 0; }, 1500), c.runs);
        const qint64 took = waited.elapsed();
        QTest::qWait(900); // past the latest moment: a second run would have come
        EXPECT_EQ(runs, c.runs ? 1 : 0);
        EXPECT_TRUE(exposedFirst || !c.runs);
        EXPECT_TRUE(!c.shown || !c.runs || took < 700); // the paint, not the latest moment
    }
}
