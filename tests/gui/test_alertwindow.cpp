#include "gui/reminders/alertwindow.h"
#include "store/settings.h"
#include "support/listings.h"
#include "support/teststore.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSoundEffect>
#include <QTest>
#include <QTimer>

using namespace obzorka;

class Alert : public test::StoreTest
{
protected:
    void SetUp() override
    {
        test::StoreTest::SetUp();
        addProgramme(7, "Nova", QDate(2026, 12, 6), 20, 15, 21, 40, "Zprávy");
        addProgramme(9, "ČT2", QDate(2026, 12, 7), 9, 0, 9, 30, "Kino");
        test::mark(store, 7);
        test::mark(store, 9);
    }
    void TearDown() override
    {
        qDeleteAll(windows);
        test::StoreTest::TearDown();
    }
    gui::AlertWindow* open(qint64 id)
    {
        windows << new gui::AlertWindow(store);
        windows.back()->napln(id);
        return windows.back();
    }
    template <typename T = QObject> static T* part(gui::AlertWindow* window, const QString& name)
    {
        return window->findChild<T*>(name);
    }
    static QStringList shownTexts(gui::AlertWindow* window)
    {
        QStringList texts;
        for (const QString name : {"Label3", "Label4", "Label5", "Label8", "Label11"})
            texts << part<QLabel>(window, name)->text();
        return texts;
    }
    // Shown on top, acknowledging held back for its five seconds.
    static void expectFreshOnTop(gui::AlertWindow* window)
    {
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_FALSE(part<QPushButton>(window, "Command1")->isEnabled());
        EXPECT_TRUE(part<QTimer>(window, "Timer1")->isActive());
        EXPECT_EQ(part<QTimer>(window, "Timer1")->interval(), 5000);
    }

    const QStringList shown{"Zprávy", "20:15", "21:40", "6.12.2026", "Nova"};
    QList<QPointer<gui::AlertWindow>> windows;
};

TEST_F(Alert, TitleAndStationFromTheServerShowAsPlainText)
{
    addProgramme(11, "<i>Stanice</i>", QDate(2026, 12, 7), 10, 0, 11, 0,
                 "<b>Tučně</b> <a href=x>a</a>");
    test::mark(store, 11);
    gui::AlertWindow* window = open(11);
    for (const QString name : {"Label3", "Label11"})
        EXPECT_EQ(part<QLabel>(window, name)->textFormat(), Qt::PlainText);
    EXPECT_EQ(part<QLabel>(window, "Label3")->text(), "<b>Tučně</b> <a href=x>a</a>");
}

TEST_F(Alert, FillingShowsItOnceAndAcknowledgingDeletesIt)
{
    auto* window = new gui::AlertWindow(store);
    windows << window;
    QSignalSpy filled(window, &gui::AlertWindow::filled);
    EXPECT_FALSE(part<QTimer>(window, "Timer1")->isActive());
    EXPECT_FALSE(part<QTimer>(window, "Timer2")->isActive());

    window->napln(7);
    window->napln(9);
    expectFreshOnTop(window);
    EXPECT_EQ(shownTexts(window), shown);
    EXPECT_EQ(filled.count(), 1);
    EXPECT_EQ(one("SELECT group_concat(id) AS v FROM upozornit"), "9");

    window->armAcknowledge();
    EXPECT_FALSE(part<QTimer>(window, "Timer1")->isActive());
    QTest::mouseClick(part<QPushButton>(window, "Command1"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(windows.front().isNull());
}

TEST_F(Alert, APutOffAlertReturnsEveryMinuteInItsPlace)
{
    gui::AlertWindow* window = open(7);
    const QPoint place = window->pos();
    QTest::mouseClick(part<QPushButton>(window, "Command2"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(part<QTimer>(window, "Timer2")->interval(), 60000);

    for (int minute = 0; minute < 2; ++minute) {
        window->comeBack();
        expectFreshOnTop(window);
        EXPECT_TRUE(part<QTimer>(window, "Timer2")->isActive());
        EXPECT_EQ(window->pos(), place);
    }
    window->armAcknowledge();
    QTest::mouseClick(part<QPushButton>(window, "Command1"), Qt::LeftButton);
    EXPECT_FALSE(part<QTimer>(window, "Timer2")->isActive());
}

TEST_F(Alert, OpenAlertsStackApartEvenWhenOneIsPutOff)
{
    gui::AlertWindow* first = open(7);
    gui::AlertWindow* second = open(9);
    QTest::mouseClick(part<QPushButton>(first, "Command2"), Qt::LeftButton);
    gui::AlertWindow* third = open(99);
    EXPECT_NE(first->pos(), second->pos());
    EXPECT_NE(third->pos(), first->pos());
    EXPECT_NE(third->pos(), second->pos());
}

// Only whole wave files reach the player: it waits for ever on a cut one, and freeing any
// sound then blocks the program.
TEST_F(Alert, TheChimeLoadsAndABadSoundFileLeavesTheAlertSilentButWhole)
{
    const auto fileWith = [this](const QString& name, const QByteArray& content) {
        QFile file(folder() + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        return file.fileName();
    };
    QFile chime(":/install/wav/upozorni.wav");
    ASSERT_TRUE(chime.open(QIODevice::ReadOnly));
    const QByteArray wave = chime.readAll();
    const QString goodFile = fileWith("/upozorni.wav", wave);
    const QStringList badFiles{fileWith("/cut.wav", wave.left(1000)),
                               fileWith("/text.wav", "no sound"), folder() + "/missing.wav"};
    const auto soundOf = [this](const QString& path) {
        store::Settings(store).write(store::settingkeys::zvukoveUpozorneni, path);
        return part<QSoundEffect>(open(9), {});
    };

    QSoundEffect* good = soundOf(goodFile);
    EXPECT_TRUE(QTest::qWaitFor([good] { return good->status() == QSoundEffect::Ready; }));
    for (const QString& path : badFiles) {
        EXPECT_EQ(soundOf(path)->status(), QSoundEffect::Null) << path.toStdString();
        windows.back()->comeBack();
        expectFreshOnTop(windows.back());
        EXPECT_EQ(shownTexts(windows.back()).front(), "Kino");
    }
}
