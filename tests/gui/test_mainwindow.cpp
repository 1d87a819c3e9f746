#include "gui/guide/classicpanel.h"
#include "gui/guide/guidecontroller.h"
#include "gui/guide/pane.h"
#include "gui/guide/settingspanel.h"
#include "gui/guide/stationslots.h"
#include "gui/main/application.h"
#include "gui/main/mainwindow.h"
#include "gui/main/tray.h"
#include "offlineguide.h"
#include "store/clock.h"
#include "support/teststore.h"
#include "support/weekfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using namespace obzorka;

namespace {

// Records the addresses the program hands to the desktop instead of opening them.
class DesktopCatcher : public QObject
{
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

// Clicks the link whose text is shown in the pane, as the mouse would.
void clickLink(gui::Pane* pane, const QString& text)
{
    QTextCursor found = pane->document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    pane->ensureCursorVisible();
    QTextCursor at(found);
    at.setPosition(found.selectionStart() + 1);
    pane->setTextCursor(at);
    pane->ensureCursorVisible();
    const QPoint point = pane->cursorRect(at).center();
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, point);
}

// What a tool tip reads as; Qt shows one that looks like markup as rich text.
QString plainText(const QString& toolTip)
{
    QTextDocument shown;
    shown.setHtml(toolTip);
    return Qt::mightBeRichText(toolTip) ? shown.toPlainText() : toolTip;
}

class Window : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::throwOnSqlError();
        store::Clock::setFixed(QDateTime(today, QTime(10, 0)));
        {
            store::Store store;
            ASSERT_TRUE(store.otevridb(folder.path(), nullptr));
            store::Settings(store).writeAccount("eva", "heslo");
            test::fillWeek(store, today);
        }
        guide = test::offlineGuide(folder.path(), messages, information);
        ASSERT_TRUE(guide->start());
        window = guide->mainWindow();
        window->resize(1200, 800);
        QDesktopServices::setUrlHandler("http", &desktop, "open");
        QDesktopServices::setUrlHandler("mailto", &desktop, "open");
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("mailto");
        guide.reset();
        store::Clock::release();
    }
    template <typename T> T* child(const char* name)
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    gui::Pane* pane() { return window->mainPane(); }
    QString page() { return pane()->page(); }

    const QDate today{2026, 12, 7};
    QTemporaryDir folder;
    QStringList messages;
    QStringList information;
    DesktopCatcher desktop;
    std::unique_ptr<gui::Application> guide;
    gui::MainWindow* window = nullptr;
};

} // namespace

TEST_F(Window, TabsBringTheirPanelsAndPages)
{
    click("Command12_1");
    EXPECT_EQ(window->currentPanel(), gui::MainWindow::Search);
    EXPECT_TRUE(child<QWidget>("Frame4_1")->isAncestorOf(pane()));
    EXPECT_EQ(page(), pages::generzprava(""));
    EXPECT_TRUE(child<QPushButton>("Command12_1")->styleSheet().contains("white"));
    EXPECT_FALSE(child<QPushButton>("Command12_0")->styleSheet().contains("white"));

    click("Command12_3");
    EXPECT_TRUE(page().contains("Nápověda k programu Obzorka (POBZ)</B></H1>"));
    clickLink(pane(), "Klasické zobrazení");
    EXPECT_TRUE(page().contains("<BR>Klasické zobrazení</B></H1>"));
    clickLink(pane(), "Zpět");
    EXPECT_TRUE(page().contains("Nápověda k programu Obzorka (POBZ)</B></H1>"));

    click("Command12_0");
    EXPECT_TRUE(child<QWidget>("Frame4_0")->isAncestorOf(pane()));
    EXPECT_TRUE(page().contains("vypisinf.htm?id="));
    EXPECT_TRUE(window->classic()->headerPane()->page().contains("<B>ČT1</B>"));
}

TEST_F(Window, SettingsChoiceSubPanelsAndBack)
{
    click("Command12_2");
    auto* title = child<QLabel>("Label15");
    EXPECT_EQ(title->text(), "Zvolte nastavení");
    EXPECT_FALSE(child<QWidget>("Frame2")->isVisible());
    EXPECT_FALSE(child<QPushButton>("Command10")->isVisible());
    click("Command9");
    EXPECT_EQ(title->text(), "Obecné");
    EXPECT_TRUE(child<QWidget>("Frame2")->isVisible());
    EXPECT_TRUE(child<QCheckBox>("Check2")->isVisible());
    EXPECT_TRUE(child<QPushButton>("Command5")->isVisible());
    EXPECT_FALSE(child<QWidget>("Frame3")->isVisible());
    click("Command10");
    EXPECT_EQ(title->text(), "Zvolte nastavení");
    EXPECT_FALSE(child<QWidget>("Frame2")->isVisible());
}

TEST_F(Window, PageButtonsShowTheirStations)
{
    EXPECT_TRUE(child<QPushButton>("Command1_1")->styleSheet().contains("white"));
    auto* second = child<QPushButton>("Command1_2");
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(plainText(second->toolTip()), "ČT24 Markíza ZDF BBC World");
    guide->store().provedsql("UPDATE televize SET tv='<i>ZDF</i> & <b>' WHERE tv='ZDF'");
    guide->controller()->nastav_rychle4tv();
    EXPECT_EQ(plainText(second->toolTip()), "ČT24 Markíza <i>ZDF</i> & <b> BBC World");
    EXPECT_EQ(window->settings()->stationSlots()->slotButton(7)->text(), "<i>ZDF</i> && <b>");
    EXPECT_FALSE(child<QPushButton>("Command1_3")->isVisible());
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_EQ(guide->state().zvoleno4, 1);
    EXPECT_TRUE(second->styleSheet().contains("white"));
    EXPECT_FALSE(child<QPushButton>("Command1_1")->styleSheet().contains("white"));
    EXPECT_TRUE(window->classic()->headerPane()->page().contains("<B>BBC World</B>"));
}

TEST_F(Window, DroppingASlotOnAnotherSwapsTheStations)
{
    gui::SlotButton* target = window->settings()->stationSlots()->slotButton(12);
    gui::SlotButton* source = window->settings()->stationSlots()->slotButton(2);
    EXPECT_EQ(source->text(), "ČT2");
    EXPECT_TRUE(source->font().bold());
    EXPECT_TRUE(window->settings()->stationSlots()->slotButton(96)->font().italic());
    QMimeData data;
    gui::StationSlots* slots_ = window->settings()->stationSlots();
    data.setData(gui::StationSlots::mimeType, QByteArray::number(quintptr(slots_)) + ":2");
    QMimeData foreign;
    foreign.setData(gui::StationSlots::mimeType, "12345:2");
    QDragEnterEvent stranger(QPoint(5, 5), Qt::MoveAction, &foreign, Qt::LeftButton,
                             Qt::NoModifier);
    QApplication::sendEvent(target, &stranger);
    EXPECT_FALSE(stranger.isAccepted());
    QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(target->text(), "ČT2");
    EXPECT_EQ(source->text(), "");
    EXPECT_TRUE(child<QPushButton>("Command1_3")->isVisible());
    EXPECT_EQ(plainText(child<QPushButton>("Command1_3")->toolTip()), "ČT2");
}

TEST_F(Window, StartTimeClickMarksInPlaceAndTitleLeadsToDetailAndBack)
{
    window->classic()->from()->setCurrentText("Začátku");
    click("Command12_0");
    // A programme of ČT1 that starts this evening, not marked yet.
    const QString before = page();
    const QString id =
        guide->store()
            .provedsql("SELECT id FROM program WHERE tv='ČT1' AND datum=? AND hod1>=18 "
                       "AND id NOT IN (SELECT id FROM upozornit) ORDER BY hod1",
                       {today})
            .front()
            .text(u"id");
    const QString target = "upozor.htm?zpet=true&vypis=true&id=" + id;
    pane()->setScrollTop(150);
    const int scroll = pane()->scrollTop();
    guide->controller()->dispatch(target);
    EXPECT_TRUE(page().contains("CLASS=caszvol><A HREF=\"" + target +
                                "\" TARGET=\"_parent\" CLASS=caszvol"));
    EXPECT_EQ(pane()->scrollTop(), scroll);
    EXPECT_EQ(guide->store().provedsql("SELECT * FROM upozornit WHERE id=?", {id}).size(), 1u);
    guide->controller()->dispatch(target);
    EXPECT_EQ(page(), before);

    const QString title =
        before.mid(before.indexOf("ONCLICK=\"return false\">",
                                  before.indexOf("vypisinf.htm?id=" + id + "\"")) +
                   24);
    clickLink(pane(), title.left(title.indexOf("</A>")));
    const int saved = guide->state().bodyscrollposltop;
    EXPECT_GT(saved, 0);
    EXPECT_TRUE(page().startsWith("<HTML><BODY BGCOLOR=\"#000050\" TEXT=\"#A0A0FF\">"));
    EXPECT_FALSE(window->classic()->printButton()->isVisible());
    clickLink(pane(), "Zpět");
    EXPECT_EQ(page(), before);
    EXPECT_EQ(pane()->scrollTop(), saved) << pane()->verticalScrollBar()->maximum();
    EXPECT_TRUE(window->classic()->printButton()->isVisible());
}

TEST_F(Window, ALinkPlantedInATitleIsTextAndClickingItMarksNothing)
{
    const QString marks = "SELECT group_concat(id) AS v FROM upozornit";
    const QString before = guide->store().provedsql(marks).front().text(u"v");
    const QString victim = guide->store()
                               .provedsql("SELECT id FROM program WHERE datum=? AND hod1>=18 AND "
                                          "id NOT IN (SELECT id FROM upozornit)",
                                          {today})
                               .front()
                               .text(u"id");
    guide->store().provedsql(
        "INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, nazev) VALUES "
        "(900001, 'ČT1', ?, 11, 0, 11, 30, ?)",
        {today, QString("Past </A><A HREF=\"upozor.htm?zpet=true&vypis=true&id=" + victim +
                        "\">klikni</A>")});
    click("Command12_0");
    clickLink(pane(), "klikni"); // part of the title: the title's own link, to its detail
    EXPECT_EQ(guide->store().provedsql(marks).front().text(u"v"), before);
    EXPECT_TRUE(page().contains("<A HREF=\"upozor.htm?id=900001\""));
}

TEST_F(Window, SearchWithPagingAndBackFromADetail)
{
    click("Command12_1");
    auto* text = child<QLineEdit>("Text2");
    text->setText("události");
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(page().count("vypisinf.htm?hledej=true&id="), 25);
    clickLink(pane(), "DALŠÍ POŘADY");
    EXPECT_TRUE(page().contains("hledej.htm?od=1\""));
    EXPECT_EQ(guide->state().hledejod, "26");
    const QString second = page();
    pane()->setScrollTop(80);
    const int scroll = pane()->scrollTop();
    guide->controller()->dispatch(
        second.mid(second.indexOf("vypisinf.htm?hledej=true&id="), 40).section('"', 0, 0));
    EXPECT_TRUE(page().contains("<A HREF=\"zpet.htm?hledej=true\""));
    clickLink(pane(), "Zpět");
    EXPECT_EQ(page(), second);
    EXPECT_EQ(pane()->scrollTop(), scroll);
}

TEST_F(Window, TheTwentyJumpsTheGridToEightPm)
{
    window->classic()->from()->setCurrentText("Začátku");
    emit window->classic()->from()->activated(1);
    pane()->setScrollTop(0);
    clickLink(window->classic()->headerPane(), "20");
    EXPECT_GT(pane()->scrollTop(), 0);
}

TEST_F(Window, AfterMidnightTheDayChoosersMoveOnOnce)
{
    auto* day = window->classic()->day();
    auto* searchDay = child<QComboBox>("Combo5");
    day->setCurrentIndex(3);
    store::Clock::setFixed(QDateTime(today.addDays(1), QTime(0, 0, 5)));
    guide->downloadHost().tick();
    EXPECT_EQ(day->count(), 14);
    EXPECT_EQ(day->itemText(0), "Noční_pořady-Pondělí 7.12.2026");
    EXPECT_EQ(day->itemText(13), "Neděle 20.12.2026");
    EXPECT_EQ(day->currentText(), "Středa 9.12.2026"); // the chosen day stays chosen
    EXPECT_EQ(searchDay->itemText(1), "Úterý 8.12.2026");
    EXPECT_EQ(searchDay->itemText(13), "Neděle 20.12.2026");
    EXPECT_TRUE(child<QLabel>("Label9")->text().startsWith("Dnes je úterý 8.12.2026."));
    guide->downloadHost().tick(); // once per midnight
    EXPECT_EQ(day->itemText(0), "Noční_pořady-Pondělí 7.12.2026");
    store::Clock::setFixed(QDateTime(today.addDays(4), QTime(0, 0, 5)));
    guide->downloadHost().tick(); // slept through midnights: left alone
    EXPECT_EQ(day->itemText(0), "Noční_pořady-Pondělí 7.12.2026");
}

TEST_F(Window, NightProgrammesAndTypeChooserRules)
{
    auto* day = window->classic()->day();
    day->setCurrentIndex(0);
    emit day->activated(0);
    EXPECT_EQ(window->classic()->from()->currentText(), " 0:00");
    EXPECT_EQ(window->classic()->to()->currentText(), "Konce");
    EXPECT_EQ(guide->state().zvolenedatum, today.addDays(-1));
    day->setCurrentIndex(1);
    emit day->activated(1);
    EXPECT_EQ(window->classic()->from()->currentText(), "Teď");
    auto* type = window->classic()->type();
    type->setCurrentIndex(2);
    emit type->activated(2);
    EXPECT_TRUE(type->styleSheet().contains("red"));
    EXPECT_TRUE(page().contains("/film.gif"));
    EXPECT_FALSE(page().contains("/zpravy.gif"));
    type->setCurrentIndex(0);
    emit type->activated(0);
    EXPECT_FALSE(type->styleSheet().contains("red"));
}

TEST_F(Window, TrayMenuPausesOpensAndQuits)
{
    gui::Tray* tray = guide->tray();
    EXPECT_EQ(tray->pauseAction()->text(), "Pozastavit stahování");
    // The first tick of start-up may already have started a run and its animation.
    EXPECT_TRUE(tray->iconFile().contains("/icons/nacit"));
    tray->pauseAction()->trigger();
    EXPECT_FALSE(guide->state().povoleno_stahovani);
    EXPECT_EQ(tray->pauseAction()->text(), "Povolit stahování");
    EXPECT_TRUE(tray->iconFile().endsWith("/icons/nacitzru.ico"));
    EXPECT_EQ(store::Settings(guide->store()).read(store::settingkeys::povolenoStahovani), "False");
    tray->pauseAction()->trigger();
    EXPECT_TRUE(guide->state().povoleno_stahovani);
    EXPECT_EQ(store::Settings(guide->store()).read(store::settingkeys::povolenoStahovani), "True");

    click("Command12_2");
    window->classic()->day()->setCurrentIndex(4);
    window->classic()->from()->setCurrentText("8:00");
    window->classic()->to()->setCurrentText("12:00");
    window->classic()->type()->setCurrentIndex(2);
    emit window->classic()->type()->activated(2);
    window->hide();
    tray->openAction()->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(window->currentPanel(), gui::MainWindow::Classic);
    EXPECT_EQ(window->classic()->day()->currentIndex(), 1);
    EXPECT_EQ(window->classic()->from()->currentText(), "Teď");
    EXPECT_EQ(window->classic()->to()->currentText(), "Konce");
    EXPECT_EQ(window->classic()->type()->currentText(), "Vše");
    EXPECT_FALSE(window->classic()->type()->styleSheet().contains("red"));
    EXPECT_EQ(guide->state().zvolenedatum, today);
    EXPECT_TRUE(page().contains("vypisinf.htm?id="));
    EXPECT_TRUE(tray->menu()->defaultAction() == tray->openAction());

    tray->exitAction()->trigger();
    EXPECT_FALSE(guide->store().isOpen());
}

TEST_F(Window, MinimisePictureStaysAtTheTopRight)
{
    auto* picture = child<QLabel>("Picture2");
    for (const QSize size : {QSize(900, 600), QSize(1300, 850)}) {
        window->resize(size);
        QApplication::processEvents();
        EXPECT_EQ(picture->geometry().right(), window->width() - 11);
        EXPECT_EQ(picture->y(), 3);
    }
}

TEST_F(Window, WithoutATrayMinimisingKeepsTheWindowAndSaysSoOnce)
{
    ASSERT_FALSE(gui::Tray::available()); // offscreen has none
    QTest::mouseClick(child<QLabel>("Picture2"), Qt::LeftButton);
    window->showNormal();
    QTest::mouseClick(child<QLabel>("Picture2"), Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(information.size(), 1);
}

TEST_F(Window, PrintPreviewAndPrintToPdf)
{
    click("Command12_0");
    click("Command14"); // no search yet: nothing happens
    EXPECT_EQ(window->currentPanel(), gui::MainWindow::Classic);
    click("Command7");
    EXPECT_EQ(window->currentPanel(), gui::MainWindow::Print);
    EXPECT_TRUE(child<QWidget>("Frame4_4")->isAncestorOf(pane()));
    EXPECT_TRUE(page().contains("BORDER=1"));
    EXPECT_TRUE(page().contains("PROGRAM TV NA&nbsp;PONDĚLÍ&nbsp;7.12.2026"));
    EXPECT_FALSE(page().contains("<A HREF"));
    EXPECT_FALSE(page().contains("font-size: 10pt"));
    const QString pdf = folder.path() + "/tisk.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    guide->controller()->printTo(printer);
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5).startsWith("%PDF"));
    EXPECT_GT(printed.size(), 10000);
}

TEST_F(Window, ChangingStationsOpensTheChoicePageAndEnds)
{
    click("Command12_2");
    click("Command9");
    click("Command5");
    EXPECT_EQ(desktop.opened, QStringList{"http://127.0.0.1:9/program"});
    EXPECT_FALSE(guide->store().isOpen());
}

#include "test_mainwindow.moc"
