#include "app/guidestate.h"
#include "gui/guide/guidecontroller.h"
#include "gui/guide/pane.h"
#include "gui/main/application.h"
#include "gui/main/mainwindow.h"
#include "gui/reminders/alertwindow.h"
#include "gui/reminders/reminderpage.h"
#include "gui/reminders/reminderpanel.h"
#include "offlineguide.h"
#include "store/clock.h"
#include "support/listings.h"
#include "support/teststore.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace obzorka;

namespace {

// The guide at 19:50 on an evening with two programmes marked for 20:00.
class Reminding : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::throwOnSqlError();
        store::Clock::setFixed(at(19, 50));
        {
            store::Store store;
            ASSERT_TRUE(store.otevridb(folder.path(), nullptr));
            store::Settings(store).writeAccount("eva", "heslo");
            const auto add = [&](int id, const char* tv, int hour, const char* title) {
                test::Entry entry;
                entry.id = id;
                entry.tv = tv;
                entry.day = day;
                entry.hod1 = hour;
                entry.hod2 = hour + 1;
                entry.nazev = title;
                test::insert(store, entry);
            };
            add(1, "ČT1", 20, "Večerníček");
            add(2, "ČT2", 20, "Hokej: Brno – Třinec");
            add(3, "Nova", 21, "Sportovní noviny");
            add(4, "Prima", 22, "Sportka a Šance");
            test::mark(store, 1);
            test::mark(store, 2);
            store.provedsql("INSERT INTO reklama (rekl_id, datumdo) VALUES ('jaro', '8.12.2026')");
        }
        guide = test::offlineGuide(folder.path(), messages, information);
        ASSERT_TRUE(guide->start());
    }
    void TearDown() override
    {
        for (gui::AlertWindow* alert : alerts())
            delete alert;
        guide.reset();
        store::Clock::release();
    }
    static QDateTime at(int hour, int minute, int second = 0)
    {
        return QDateTime(QDate(2026, 12, 7), QTime(hour, minute, second));
    }
    static QList<gui::AlertWindow*> alerts()
    {
        QList<gui::AlertWindow*> shown;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* alert = qobject_cast<gui::AlertWindow*>(widget); alert && alert->isVisible())
                shown << alert;
        return shown;
    }
    void tick() { emit guide->downloadHost().reminderCheckDue(); }
    QString marks()
    {
        QStringList ids;
        for (const store::Row& row :
             guide->store().provedsql("SELECT * FROM upozornit ORDER BY id"))
            ids << row.text(u"id") + (row.number(u"automat") ? "a" : "");
        return ids.join(',');
    }
    template <typename T> T* child(const QString& name)
    {
        return guide->mainWindow()->findChild<T*>(name);
    }

    const QDate day{2026, 12, 7};
    QTemporaryDir folder;
    QStringList messages;
    QStringList information;
    std::unique_ptr<gui::Application> guide;
};

} // namespace

TEST_F(Reminding, MarksOfOneMomentAlertOnSuccessiveTicksFromTheLeadBoundary)
{
    store::Clock::setFixed(at(19, 54, 59));
    tick();
    EXPECT_TRUE(alerts().isEmpty());
    store::Clock::setFixed(at(19, 55));
    tick();
    ASSERT_EQ(alerts().size(), 1);
    gui::AlertWindow* first = alerts().front();
    EXPECT_TRUE(first->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(first->findChild<QLabel*>("Label3")->text(), "Večerníček");
    EXPECT_EQ(first->findChild<QLabel*>("Label11")->text(), "ČT1");
    EXPECT_EQ(marks(), "2");
    tick();
    ASSERT_EQ(alerts().size(), 2);
    EXPECT_EQ(marks(), "");
    tick();
    EXPECT_EQ(alerts().size(), 2);
    EXPECT_NE(alerts().at(0)->pos(), alerts().at(1)->pos());
}

TEST_F(Reminding, AClockJumpingAnHourEitherWayRaisesEachReminderOnce)
{
    store::Clock::setFixed(at(19, 40));
    tick();
    EXPECT_TRUE(alerts().isEmpty());
    store::Clock::setFixed(at(20, 40)); // an hour forward: both marks are long due
    for (int i = 0; i < 4; ++i)
        tick();
    EXPECT_EQ(alerts().size(), 2);
    store::Clock::setFixed(at(19, 40)); // and back again: they are not raised a second time
    for (int i = 0; i < 4; ++i)
        tick();
    EXPECT_EQ(alerts().size(), 2);
    EXPECT_EQ(marks(), "");
}

TEST_F(Reminding, TogglesAndTheLeadBoxFindTheNextReminderAgain)
{
    guide->controller()->dispatch("upozor.htm?id=1"); // cleared by hand
    guide->controller()->dispatch("upozor.htm?id=2");
    store::Clock::setFixed(at(20, 0));
    tick();
    EXPECT_TRUE(alerts().isEmpty());
    guide->controller()->dispatch("upozor.htm?id=4"); // 22:00
    tick();
    EXPECT_TRUE(alerts().isEmpty());
    auto* lead = child<QLineEdit>("Text1");
    lead->setText("120");
    emit lead->editingFinished();
    tick();
    ASSERT_EQ(alerts().size(), 1);
    EXPECT_EQ(alerts().front()->findChild<QLabel*>("Label3")->text(), "Sportka a Šance");
}

TEST_F(Reminding, TheLeadBoxShowsTheLeadTheCheckUses)
{
    auto* lead = child<QLineEdit>("Text1");
    const auto leave = [lead](const QString& typed) {
        lead->setText(typed);
        emit lead->editingFinished();
        return lead->text();
    };
    store::Settings settings(guide->store());
    EXPECT_EQ(leave("brzy"), "5"); // nothing stored yet: the default
    EXPECT_FALSE(settings.find(store::settingkeys::upozornitMinutPredem));
    EXPECT_EQ(leave("99999"), "600");
    tick(); // 19:50 with ten hours of lead
    EXPECT_EQ(alerts().size(), 1);
    EXPECT_EQ(leave("za chvíli"), "600");
    EXPECT_EQ(settings.read(store::settingkeys::upozornitMinutPredem), "600");
    tick();
    EXPECT_EQ(alerts().size(), 2);
}

TEST_F(Reminding, KeywordRowsAreCheckedStoredAndMarkTheirProgrammes)
{
    auto* word = child<QLineEdit>("Text3_1");
    word->setText(" Spo;rt ");
    emit word->editingFinished();
    EXPECT_EQ(word->text(), "Sport");
    auto* second = child<QLineEdit>("Text3_2");
    second->setText("kůň");
    child<QCheckBox>("Check5_2")->click(); // checks its row too
    EXPECT_EQ(second->text(), "");
    EXPECT_EQ(information, QStringList{"Slovo musí mít alespoň 4 znaky!"});

    child<QPushButton>("Command11")->click();
    EXPECT_EQ(marks(), "1,2,3a,4a");
    store::Settings settings(guide->store());
    EXPECT_EQ(settings.read(store::settingkeys::upozornitText(1)), "Sport;1;0;0");
    EXPECT_EQ(settings.read(store::settingkeys::upozornitText(2)), ";1;1;0");
}

TEST_F(Reminding, TheInstalledChimeIsStoredAndShownAtStart)
{
    const QString chime = folder.path() + "/wav/upozorni.wav";
    EXPECT_EQ(child<QLineEdit>("Text4")->text(), chime);
    EXPECT_TRUE(QFile::exists(chime));
    EXPECT_EQ(store::Settings(guide->store()).read(store::settingkeys::zvukoveUpozorneni), chime);
}

TEST_F(Reminding, TheBannerShowsAtStartAndChangesOnlyWhileTheWindowIsShown)
{
    gui::Pane* banner = guide->mainWindow()->bannerPane();
    EXPECT_TRUE(banner->isVisible());
    EXPECT_TRUE(banner->page().contains("/bmp/banner/jaro/banner.gif"));
    guide->store().provedsql("UPDATE reklama SET datumdo='1.1.2020'");
    guide->mainWindow()->showMinimized();
    for (int i = 0; i < 120; ++i)
        guide->downloadHost().tick();
    EXPECT_TRUE(banner->page().contains("/banner/jaro/"));
    guide->mainWindow()->showNormal();
    for (int i = 0; i < 120; ++i)
        guide->downloadHost().tick();
    EXPECT_TRUE(banner->page().contains("/banner/0/"));
}

TEST(SoundChoice, OnlyFilesTheAlertCanPlayAreTakenFromTheDialogOrTheBox)
{
    test::throwOnSqlError();
    QTemporaryDir folder;
    store::Store store;
    ASSERT_TRUE(store.otevridb(folder.path(), nullptr));
    store::Settings settings(store);
    app::GuideState state;
    state.dataFolder = folder.path();
    gui::ReminderPanel panel;
    QString chosen;
    QStringList told;
    gui::ReminderPage page(
        panel, store, settings, state, [&](const QString& message) { told << message; },
        [&] { return chosen; });
    const QString chime = folder.path() + "/wav/upozorni.wav";
    QFile resource(":/install/wav/upozorni.wav");
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    const QByteArray wave = resource.readAll();
    QByteArray deep = wave;
    deep[34] = 24; // bits per sample
    const auto file = [&](const QString& name, const QByteArray& bytes) {
        QFile written(folder.filePath(name));
        EXPECT_TRUE(written.open(QIODevice::WriteOnly));
        written.write(bytes);
        return written.fileName();
    };
    const QString good = file("Znělka.wav", wave);
    const std::vector<std::pair<QString, QString>> cases{
        {file("hymna.mid",
              QByteArray::fromHex("4d546864000000060001000101e04d54726b0000000400ff2f00")),
         "8 nebo 16 bity"},
        {file("hluboký.wav", deep), "8 nebo 16 bity"},
        {folder.filePath("chybí.wav"), "nebyl nalezen"},
        {file("Karel's.wav", wave), "apostrof"},
        {good, ""}};
    for (const auto& [path, why] : cases) {
        for (const bool typed : {false, true}) {
            settings.remove(store::settingkeys::zvukoveUpozorneni);
            page.nastavzvukoveupozorneni();
            told.clear();
            if (typed) {
                panel.soundFile()->setText(path);
                emit panel.soundFile()->editingFinished();
            } else {
                chosen = path;
                panel.changeSound()->click();
            }
            const QString kept = why.isEmpty() ? path : chime;
            EXPECT_EQ(settings.read(store::settingkeys::zvukoveUpozorneni), kept)
                << path.toStdString();
            EXPECT_EQ(panel.soundFile()->text(), kept);
            ASSERT_EQ(told.size(), why.isEmpty() ? 0 : 1) << path.toStdString();
            if (!why.isEmpty()) {
                EXPECT_TRUE(told.front().startsWith("Soubor „" + path + "“ nelze použít: ") &&
                            told.front().contains(why))
                    << told.front().toStdString();
            }
        }
    }
    chosen.clear();
    panel.changeSound()->click(); // cancelled
    EXPECT_EQ(settings.read(store::settingkeys::zvukoveUpozorneni), good);
    panel.soundFile()->setText("  ");
    emit panel.soundFile()->editingFinished();
    EXPECT_EQ(settings.read(store::settingkeys::zvukoveUpozorneni), chime);
}
