#include "gui/reminders/alertwindow.h"
#include "gui/reminders/reminderpage.h"
#include "gui/reminders/reminderpanel.h"
#include "guidetest.h"

#include <QSignalSpy>
#include <QSoundEffect>

using namespace obzorka;
namespace keys = store::settingkeys;

namespace {

QDateTime at(int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 12, 7), QTime(hour, minute, second));
}

template <typename T = QObject> T* part(gui::AlertWindow* window, const QString& name)
{
    return window->findChild<T*>(name);
}

// Shown on top with its title, acknowledging held back for its five seconds.
void expectFreshOnTop(gui::AlertWindow* window, const QString& title)
{
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(part<QPushButton>(window, "Command1")->isEnabled());
    EXPECT_TRUE(part<QTimer>(window, "Timer1")->isActive());
    EXPECT_EQ(part<QLabel>(window, "Label3")->text(), title);
}

void leave(QLineEdit* box, const QString& typed)
{
    box->setText(typed);
    emit box->editingFinished();
}

// The guide at 19:50 on an evening with two programmes marked for 20:00.
class Reminding : public test::GuideTest
{
protected:
    void SetUp() override
    {
        GuideTest::SetUp();
        store::Clock::setFixed(at(19, 50));
        prepare([](store::Store& store) {
            store.provedsql(
                "INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, nazev) VALUES "
                "(1, 'ČT1', '2026-12-07', 20, 0, 21, 0, 'Večerníček'), "
                "(2, 'ČT2', '2026-12-07', 20, 0, 21, 0, 'Hokej: Brno – Třinec'), "
                "(3, 'Nova', '2026-12-07', 21, 0, 22, 0, 'Sportovní noviny'), "
                "(4, 'Prima', '2026-12-07', 22, 0, 23, 0, 'Sportka a Šance'), "
                "(11, '<i>Stanice</i>', '2026-12-07', 23, 0, 24, 0, '<b>Tučně</b> <a "
                "href=x>a</a>')");
            store.provedsql("INSERT INTO upozornit (id) VALUES (1), (2)");
        });
        start();
    }
    static QList<gui::AlertWindow*> alerts() { return shown<gui::AlertWindow>(); }
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            emit guide->downloadHost().reminderCheckDue();
    }
    // The marks, "a" after those of the keyword rules.
    QString marks()
    {
        return value("SELECT group_concat(id || iif(automat, 'a', '')) AS v FROM "
                     "(SELECT * FROM upozornit ORDER BY id)");
    }
    QString chime() const { return folder.path() + "/wav/upozorni.wav"; }
    // Writes a file into the data folder and gives its path.
    QString file(const QString& name, const QByteArray& bytes)
    {
        test::writeFile(folder.filePath(name), bytes);
        return folder.filePath(name);
    }
    QByteArray wave() const
    {
        QFile wave(chime());
        return wave.open(QIODevice::ReadOnly) ? wave.readAll() : QByteArray();
    }
};

} // namespace

// Also when the clock jumps an hour either way: each reminder comes once.
TEST_F(Reminding, MarksOfOneMomentAlertOnSuccessiveTicksFromTheLeadBoundary)
{
    store::Clock::setFixed(at(19, 54, 59));
    tick();
    EXPECT_TRUE(alerts().isEmpty());
    store::Clock::setFixed(at(19, 55));
    tick();
    ASSERT_EQ(alerts().size(), 1);
    expectFreshOnTop(alerts().front(), "Večerníček");
    EXPECT_EQ(marks(), "2");
    store::Clock::setFixed(at(20, 55)); // the other mark long due
    tick(4);
    EXPECT_EQ(alerts().size(), 2);
    EXPECT_EQ(marks(), "");
    store::Clock::setFixed(at(19, 55));
    tick(4);
    EXPECT_EQ(alerts().size(), 2);
}

// The lead box shows the lead the check uses: the default while nothing valid was typed,
// at most 600, and the last valid one while it holds something else.
TEST_F(Reminding, TogglesAndTheLeadBoxFindTheNextReminderAgain)
{
    guide->controller()->dispatch("upozor.htm?id=1"); // cleared by hand
    store::Clock::setFixed(at(20, 0));
    tick(2);
    ASSERT_EQ(alerts().size(), 1);
    expectFreshOnTop(alerts().front(), "Hokej: Brno – Třinec");
    guide->controller()->dispatch("upozor.htm?id=4"); // 22:00
    const std::vector<std::tuple<QString, QString, qsizetype, QString>> typings{
        {"brzy", "5", 1, "(none)"}, {"99999", "600", 2, "600"}, {"za chvíli", "600", 2, "600"}};
    for (const auto& [typed, lead, shownAlerts, stored] : typings) {
        leave(child<QLineEdit>("Text1"), typed);
        EXPECT_EQ(child<QLineEdit>("Text1")->text(), lead);
        tick();
        EXPECT_EQ(alerts().size(), shownAlerts) << typed.toStdString();
        EXPECT_EQ(setting(keys::upozornitMinutPredem), stored);
    }
    guide->controller()->dispatch("upozor.htm?id=3"); // 21:00
    tick();
    EXPECT_EQ(alerts().size(), 3);
}

TEST_F(Reminding, KeywordRowsAreCheckedStoredAndMarkTheirProgrammes)
{
    auto* word = child<QLineEdit>("Text3_1");
    leave(word, " Spo;rt ");
    EXPECT_EQ(word->text(), "Sport");
    auto* second = child<QLineEdit>("Text3_2");
    second->setText("kůň");
    child<QCheckBox>("Check5_2")->click(); // checks its row too
    EXPECT_EQ(second->text(), "");
    EXPECT_EQ(information, QStringList{"Slovo musí mít alespoň 4 znaky!"});

    click("Command11");
    EXPECT_EQ(marks(), "1,2,3a,4a");
    EXPECT_EQ(setting(keys::upozornitText(1)), "Sport;1;0;0");
}

// The chime is installed and stored; it loads, while a cut or foreign sound file leaves the
// alert silent but whole: the player waits for ever on a cut one, and freeing any sound then
// blocks the program.
TEST_F(Reminding, TheChimeIsStoredAndLoadsAndOnlyFilesTheAlertCanPlayAreTaken)
{
    EXPECT_EQ(setting(keys::zvukoveUpozorneni), chime());
    for (const QString& path : {chime(), file("cut.wav", wave().left(1000))}) {
        store::Settings(guide->store()).write(keys::zvukoveUpozorneni, path);
        auto* window = new gui::AlertWindow(guide->store());
        window->napln(2);
        auto* sound = part<QSoundEffect>(window, {});
        if (path == chime()) {
            EXPECT_TRUE(
                QTest::qWaitFor([sound] { return sound->status() == QSoundEffect::Ready; }));
            continue;
        }
        EXPECT_EQ(sound->status(), QSoundEffect::Null) << path.toStdString();
        window->comeBack();
        expectFreshOnTop(window, "Hokej: Brno – Třinec");
    }

    // From the dialog or typed into the box, a file is taken only when the alert can play it.
    gui::ReminderPanel panel;
    QString chosen;
    QStringList told;
    store::Settings settings(guide->store());
    gui::ReminderPage page(
        panel, guide->store(), settings, guide->state(),
        [&](const QString& message) { told << message; }, [&] { return chosen; });
    const QString good = file("Znělka.wav", wave());
    // The file, why it is refused, and whether it is typed rather than chosen.
    const std::vector<std::tuple<QString, QString, bool>> cases{
        {file("hymna.mid", "MThd"), "8 nebo 16 bity", true},
        {folder.filePath("chybí.wav"), "nebyl nalezen", false},
        {file("Karel's.wav", wave()), "apostrof", true},
        {good, "", false}};
    for (const auto& [path, why, typed] : cases) {
        settings.remove(keys::zvukoveUpozorneni);
        page.nastavzvukoveupozorneni();
        told.clear();
        chosen = path;
        typed ? leave(panel.soundFile(), path) : panel.changeSound()->click();
        const QString kept = why.isEmpty() ? path : chime();
        EXPECT_EQ(setting(keys::zvukoveUpozorneni), kept) << path.toStdString();
        EXPECT_EQ(panel.soundFile()->text(), kept);
        EXPECT_EQ(told.size(), why.isEmpty() ? 0 : 1) << path.toStdString();
        for (const QString& message : told)
            EXPECT_TRUE(message.startsWith("Soubor „" + path + "“ nelze použít: ") &&
                        message.contains(why))
                << message.toStdString();
    }
    chosen.clear();
    panel.changeSound()->click(); // cancelled
    EXPECT_EQ(setting(keys::zvukoveUpozorneni), good);
    leave(panel.soundFile(), "  ");
    EXPECT_EQ(setting(keys::zvukoveUpozorneni), chime());
}

// Title and station come from the server: they show as plain text. Open alerts stack apart;
// one put off comes back in its place.
TEST_F(Reminding, AnAlertIsFilledOnceReturnsInItsPlaceAndAcknowledgingDeletesIt)
{
    guide->store().provedsql("INSERT INTO upozornit (id) VALUES (11)");
    QPointer<gui::AlertWindow> window = new gui::AlertWindow(guide->store());
    QSignalSpy filled(window.data(), &gui::AlertWindow::filled);
    window->napln(11);
    window->napln(2);
    const QString title = "<b>Tučně</b> <a href=x>a</a>";
    expectFreshOnTop(window, title);
    for (const QString name : {"Label11", "Label3"})
        EXPECT_EQ(part<QLabel>(window, name)->textFormat(), Qt::PlainText);
    EXPECT_EQ(part<QLabel>(window, "Label11")->text(), "<i>Stanice</i>");
    EXPECT_EQ(filled.count(), 1);
    EXPECT_EQ(marks(), "1,2");

    const QPoint place = window->pos();
    auto* second = new gui::AlertWindow(guide->store());
    second->napln(1);
    EXPECT_NE(second->pos(), place);
    // Enter does nothing before the alert is armed: one meant for another window is lost.
    part<QPushButton>(window, "Command2")->setFocus();
    QTest::keyClick(part<QPushButton>(window, "Command2"), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(part<QPushButton>(window, "Command2"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (int minute = 0; minute < 2; ++minute) {
        window->comeBack();
        expectFreshOnTop(window, title);
        EXPECT_TRUE(part<QTimer>(window, "Timer2")->isActive());
        EXPECT_EQ(window->pos(), place);
    }
    window->armAcknowledge();
    EXPECT_FALSE(part<QTimer>(window, "Timer1")->isActive());
    // Armed, the keyboard reaches the buttons and Enter presses the one with the focus.
    part<QPushButton>(window, "Command2")->setFocus();
    QTest::keyClick(part<QPushButton>(window, "Command2"), Qt::Key_Backtab);
    ASSERT_EQ(window->focusWidget(), part<QPushButton>(window, "Command1"));
    QTest::keyClick(part<QPushButton>(window, "Command1"), Qt::Key_Return);
    EXPECT_FALSE(part<QTimer>(window, "Timer2")->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}
