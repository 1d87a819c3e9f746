#include "gui/guide/classicpanel.h"
#include "gui/guide/pagedeck.h"
#include "gui/guide/settingspanel.h"
#include "gui/guide/stationslots.h"
#include "gui/main/framebutton.h"
#include "guidetest.h"
#include "reminders/marks.h"
#include "support/weekfixture.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QMimeData>
#include <QPrinter>
#include <QScopeGuard>
#include <QScrollBar>
#include <QWheelEvent>

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
    QTextCursor at(found);
    at.setPosition(found.selectionStart() + 1);
    pane->setTextCursor(at);
    pane->ensureCursorVisible();
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->cursorRect(at).center());
}

// What a tool tip reads as: markup in a station's name must reach it escaped.
QString plainText(const QString& toolTip)
{
    QTextDocument shown;
    shown.setHtml(toolTip);
    return shown.toPlainText();
}

// The guide at 10:00 on Monday 7.12.2026 with a week of listings, never reaching its server.
class Window : public test::GuideTest
{
protected:
    void SetUp() override
    {
        GuideTest::SetUp();
        store::Clock::setFixed(QDateTime(today, QTime(10, 0)));
        prepare([this](store::Store& store) { test::fillWeek(store, today); });
        start();
        window = guide->mainWindow();
        window->resize(1200, 800);
    }
    gui::Pane* pane() { return window->mainPane(); }
    QString page() { return pane()->page(); }
    gui::ClassicPanel* classic() { return window->classic(); }
    static bool white(QWidget* button)
    {
        if (const auto* slot = qobject_cast<gui::SlotButton*>(button))
            return slot->picked();
        const auto* frame = qobject_cast<gui::FrameButton*>(button);
        return frame && frame->marked();
    }
    void choose(QComboBox* chooser, int index)
    {
        chooser->setCurrentIndex(index);
        emit chooser->activated(index);
    }

    const QDate today{2026, 12, 7};
    gui::MainWindow* window = nullptr;
};

} // namespace

TEST_F(Window, TabsPrintAndSettingsBringTheirPanelsAndPages)
{
    click("Command12_1");
    EXPECT_TRUE(child("Frame4_1")->isAncestorOf(pane()));
    EXPECT_EQ(page(), pages::generzprava(""));
    click("Command14"); // no search yet: nothing to print
    EXPECT_EQ(window->currentPanel(), gui::MainWindow::Search);

    click("Command12_3");
    clickLink(pane(), "Klasické zobrazení");
    EXPECT_TRUE(page().contains("<BR>Klasické zobrazení</B></H1>"));

    click("Command12_0");
    click("Command7");
    EXPECT_TRUE(child("Frame4_4")->isAncestorOf(pane()));
    EXPECT_FALSE(page().contains("<A HREF"));
    const QString pdf = folder.path() + "/tisk.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(pdf); // a PDF by its suffix
    guide->controller()->printTo(printer);
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5).startsWith("%PDF"));
    EXPECT_GT(printed.size(), 10000); // the grid, not an empty page

    // Changing the stations in the settings ends the program.
    click("Command12_2");
    click("Command9");
    DesktopCatcher desktop;
    QDesktopServices::setUrlHandler("http", &desktop, "open");
    const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler("http"); });
    click("Command5"); // the server's page of the station choice, and the program ends
    EXPECT_EQ(desktop.opened, QStringList{"http://127.0.0.1:9/program"});
    EXPECT_FALSE(guide->store().isOpen());
}

TEST_F(Window, PageButtonsShowTheirStationsAsPlainTextAndDroppingASlotSwapsTwo)
{
    EXPECT_TRUE(white(child("Command1_1")));
    auto* second = child<QPushButton>("Command1_2");
    EXPECT_FALSE(child("Command1_3")->isVisible());
    guide->store().provedsql("UPDATE televize SET tv='<i>ZDF</i> & <b>' WHERE tv='ZDF'");
    guide->controller()->nastav_rychle4tv();
    EXPECT_EQ(plainText(second->toolTip()), "ČT24 Markíza <i>ZDF</i> & <b> BBC World");
    gui::StationSlots* slots_ = window->settings()->stationSlots();
    EXPECT_EQ(plainText(slots_->slotButton(7)->toolTip()), "<i>ZDF</i> & <b>");
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_TRUE(white(second));
    EXPECT_FALSE(white(child("Command1_1")));
    EXPECT_TRUE(classic()->headerPane()->page().contains("<B>BBC World</B>"));

    // Only a slot dragged from this window is taken.
    gui::SlotButton* target = slots_->slotButton(12);
    gui::SlotButton* source = slots_->slotButton(2);
    QMimeData foreign, data;
    foreign.setData(gui::StationSlots::mimeType, "12345:2");
    data.setData(gui::StationSlots::mimeType, QByteArray::number(quintptr(slots_)) + ":2");
    for (QMimeData* dragged : {&foreign, &data}) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, dragged, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        EXPECT_EQ(enter.isAccepted(), dragged == &data);
    }
    QDropEvent drop(QPointF(5, 5), Qt::MoveAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    EXPECT_EQ(target->text(), "ČT2");
    EXPECT_EQ(source->text(), "");
    EXPECT_TRUE(child("Command1_3")->isVisible());
    EXPECT_EQ(plainText(child("Command1_3")->toolTip()), "ČT2");

    // The slots, made while their panel was hidden, show with it, and Tab walks them in order.
    click("Command12_2");
    click("Command6");
    EXPECT_TRUE(target->isVisible());
    child("Check1")->setFocus();
    for (int slot : {1, 2}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), slots_->slotButton(slot));
    }

    // From the keyboard: Space on one slot, then on another.
    for (gui::SlotButton* pressed : {target, source}) {
        pressed->setFocus();
        QTest::keyClick(pressed, Qt::Key_Space);
    }
    EXPECT_EQ(QStringList({source->text(), target->text()}), QStringList({"ČT2", ""}));
    EXPECT_FALSE(white(target));
}

// A name keeps as much of its start as fits its slot, in the slot's own bold or italic, and
// the tool tip holds it whole.
TEST(StationSlots, NamesWiderThanTheirSlotEndInAnEllipsisAndShowWholeInTheToolTip)
{
    const QStringList names{"A & B", "Prima Krimi!", "ČT :D / ČT art & Co.",
                            "Nederlandse Publieke Omroep 2 Extra & Co"};
    for (const bool received : {true, false}) {
        navigation::StationPages pages;
        for (int i = 0; i < names.size(); ++i)
            pages.bySlot.at(i + 1) = {names.at(i), names.at(i), received};
        gui::StationSlots slots_;
        slots_.showStations(pages);
        slots_.show();
        for (int i = 0; i < names.size(); ++i) {
            const QString& name = names.at(i);
            const gui::SlotButton* button = slots_.slotButton(i + 1);
            const QString shown = button->shownName();
            SCOPED_TRACE(name.toStdString() + " → " + shown.toStdString());
            EXPECT_TRUE(button->isVisible()); // made as the slots show
            EXPECT_EQ(button->font().bold(), received);
            EXPECT_EQ(button->font().italic(), !received);
            EXPECT_LE(button->fontMetrics().horizontalAdvance(shown), button->captionWidth());
            EXPECT_TRUE(shown.startsWith(name.front()));
            EXPECT_TRUE(shown == name ||
                        (shown.endsWith(u'…') && name.startsWith(shown.chopped(1))));
            EXPECT_EQ(shown == name, i == 0);
            EXPECT_EQ(plainText(button->toolTip()), name);
        }
        EXPECT_EQ(slots_.slotButton(1)->text(), "A && B");
    }
}

// A click on a start time marks it in place; a title leads to a detail, and back to the page
// at its place; so does a found programme.
TEST_F(Window, StartTimesMarkInPlaceAndDetailsLeadBackToTheirPage)
{
    classic()->from()->setCurrentText("Začátku");
    click("Command12_0");
    const QString before = page();
    const QString id = value("SELECT id AS v FROM program WHERE tv='ČT1' AND datum=? AND hod1>=18 "
                             "AND id NOT IN (SELECT id FROM upozornit) ORDER BY hod1",
                             {today});
    const QString target = "upozor.htm?zpet=true&vypis=true&id=" + id;
    pane()->setScrollTop(150);
    const int scroll = pane()->scrollTop();
    guide->controller()->dispatch(target);
    EXPECT_TRUE(page().contains("CLASS=caszvol><A HREF=\"" + target +
                                "\" TARGET=\"_parent\" CLASS=caszvol"));
    EXPECT_EQ(pane()->scrollTop(), scroll);
    EXPECT_EQ(value("SELECT count(*) AS v FROM upozornit WHERE id=?", {id}), "1");
    guide->controller()->dispatch(target);
    EXPECT_EQ(page(), before);

    const qsizetype link = before.indexOf("vypisinf.htm?id=" + id + "\"");
    const QString title = before.mid(before.indexOf("ONCLICK=\"return false\">", link) + 24);
    clickLink(pane(), title.left(title.indexOf("</A>")));
    const int saved = guide->state().bodyscrollposltop;
    EXPECT_GT(saved, 0);
    EXPECT_EQ(pane()->scrollTop(), 0); // a new page starts at the top
    clickLink(pane(), "Zpět");
    EXPECT_EQ(page(), before);
    EXPECT_EQ(pane()->scrollTop(), saved);

    click("Command12_1");
    auto* text = child<QLineEdit>("Text2");
    text->setText("události");
    QTest::keyClick(text, Qt::Key_Return);
    const QString found = page();
    pane()->setScrollTop(80);
    const int foundScroll = pane()->scrollTop();
    guide->controller()->dispatch(
        found.mid(found.indexOf("vypisinf.htm?hledej=true&id="), 40).section('"', 0, 0));
    clickLink(pane(), "Zpět");
    EXPECT_EQ(page(), found);
    EXPECT_EQ(pane()->scrollTop(), foundScroll);
}

// A grid laid out ahead comes forward as it is, but only while it is what the store and the
// clock give at the switch: a mark set elsewhere, listings a run brought and a minute passed
// each show.
TEST_F(Window, PreparedGridsComeForwardOnlyWhileNothingHasChanged)
{
    const QString id = value("SELECT id AS v FROM program WHERE tv='Markíza' AND datum=? AND "
                             "hod1*60+min1<=600 AND hod2*60+min2>600",
                             {today});
    const QString later = value("SELECT id AS v FROM program WHERE tv='Markíza' AND datum=? AND "
                                "hod1>=12 AND id NOT IN (SELECT id FROM upozornit) ORDER BY hod1",
                                {today});
    const QString marked = "CLASS=caszvol><A HREF=\"upozor.htm?zpet=true&vypis=true&id=" + later;
    const auto endOf = [&](const QString& programme) {
        return QDateTime(today, QTime(0, 0))
            .addSecs(
                60 *
                value("SELECT hod2*60+min2 AS v FROM program WHERE id=?", {programme}).toInt());
    };
    const auto preparedGrids = [&] {
        guide->controller()->choosePage(1);
        for (int waited = 0; guide->controller()->preparing() && waited < 5000; waited += 10)
            QTest::qWait(10);
        EXPECT_FALSE(guide->controller()->preparing());
    };
    click("Command12_0");
    preparedGrids();
    gui::Pane* prepared = nullptr;
    for (gui::Pane* kept : window->pageDeck()->findChildren<gui::Pane*>())
        if (kept != pane() && kept->page().contains("id=" + id + "\""))
            prepared = kept;
    ASSERT_NE(prepared, nullptr);
    click("Command1_2");
    EXPECT_EQ(pane(), prepared);
    EXPECT_FALSE(page().contains(marked));

    const struct
    {
        std::function<void()> change;
        std::function<bool(const QString&)> shown;
    } changes[] = {
        {[&] { reminders::toggleReminder(guide->store(), later); },
         [&](const QString& grid) { return grid.contains(marked); }},
        {[&] {
             guide->store().provedsql(
                 "INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, nazev) "
                 "VALUES (990001, 'ZDF', ?, 23, 0, 23, 30, 'Pořad z nového kola')",
                 {today});
         },
         [](const QString& grid) { return grid.contains("Pořad z nového kola"); }},
        {[&] { store::Clock::setFixed(endOf(id)); },
         [&](const QString& grid) { return !grid.contains("id=" + id + "\""); }},
    };
    for (const auto& [change, shown] : changes) {
        preparedGrids();
        change();
        click("Command1_2");
        EXPECT_TRUE(shown(page()));
    }
}

// "Přidat do kalendáře" writes the programme as a calendar file into temp/ and hands it to the
// desktop's calendar.
TEST_F(Window, TheDetailPagesCalendarLinkHandsACalendarFileToTheDesktop)
{
    DesktopCatcher desktop;
    QDesktopServices::setUrlHandler("file", &desktop, "open");
    const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler("file"); });
    const QString id =
        value("SELECT id AS v FROM program WHERE tv='ČT1' AND datum=? AND hod1>=18", {today});
    guide->controller()->dispatch(pages::links::detailTarget(id, pages::links::Origin::Grid));
    clickLink(pane(), "Přidat do kalendáře");
    ASSERT_EQ(desktop.opened.size(), 1);
    const QString path = QUrl(desktop.opened.front()).toLocalFile();
    EXPECT_EQ(path, folder.path() + "/temp/obzorka-" + id + ".ics");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray calendar = file.readAll();
    EXPECT_TRUE(calendar.contains(QByteArray("UID:obzorka-" + id.toUtf8() + "@obzorka.cz\r\n")));
    EXPECT_EQ(calendar.count("BEGIN:VEVENT"), 1);
}

// "Teď běží" comes from its tab and from the tray, leads to a detail and back, and follows the
// clock's minutes while it is in front.
TEST_F(Window, WhatIsOnNowComesFromItsTabAndTheTrayAndFollowsTheMinutes)
{
    const QString id = value("SELECT id AS v FROM program WHERE tv='Markíza' AND datum=? AND "
                             "hod1*60+min1<=600 AND hod2*60+min2>600",
                             {today});
    const QString title = value("SELECT nazev AS v FROM program WHERE id=?", {id});
    click("Command12_4");
    EXPECT_EQ(window->currentPanel(), gui::MainWindow::Now);
    EXPECT_TRUE(white(child("Command12_4")));
    EXPECT_TRUE(page().contains("vypisinf.htm?ted=true&id=" + id + "\""));
    clickLink(pane(), title);
    EXPECT_TRUE(page().contains("zpet.htm?ted=true"));
    clickLink(pane(), "Zpět");
    EXPECT_TRUE(page().contains("<B>Teď běží</B>"));

    const int end = value("SELECT hod2*60+min2 AS v FROM program WHERE id=?", {id}).toInt();
    store::Clock::setFixed(QDateTime(today, QTime(end / 60, end % 60)));
    guide->downloadHost().tick();
    EXPECT_FALSE(page().contains("id=" + id + "\""));

    click("Command12_0");
    window->hide();
    guide->tray()->nowAction()->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->currentPanel(), gui::MainWindow::Now);
    EXPECT_TRUE(page().contains("<B>Teď běží</B>"));
}

// Ctrl++, Ctrl+−, Ctrl+0 and Ctrl with the wheel scale the panes' text in steps from 70 % to 200 %,
// kept for the next start; the print version keeps its size.
TEST_F(Window, ZoomKeysScaleThePanesTextForTheNextStartButNotThePrintVersion)
{
    click("Command12_0");
    QApplication::setActiveWindow(window);
    const qreal normal = pane()->document()->defaultFont().pointSizeF();
    const auto zoom = [&] { return pane()->document()->defaultFont().pointSizeF() / normal; };
    const auto press = [&](Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(window, key, Qt::ControlModifier);
    };
    press(Qt::Key_Plus);
    press(Qt::Key_Equal);
    EXPECT_DOUBLE_EQ(zoom(), 1.2);
    EXPECT_TRUE(pane()->document()->toHtml().contains("font-size:12pt")); // the 10pt start times
    press(Qt::Key_Plus, 20);
    EXPECT_DOUBLE_EQ(zoom(), 2.0);
    press(Qt::Key_0);
    EXPECT_DOUBLE_EQ(zoom(), 1.0);
    QWheelEvent wheel(QPointF(20, 20), QPointF(20, 20), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pane()->viewport(), &wheel); // Ctrl and the wheel: one step
    EXPECT_DOUBLE_EQ(zoom(), 1.1);
    press(Qt::Key_Minus, 20);
    EXPECT_DOUBLE_EQ(zoom(), 0.7);
    EXPECT_EQ(setting(store::settingkeys::velikostTextu), "70");

    click("Command7");
    EXPECT_DOUBLE_EQ(zoom(), 1.0);
    press(Qt::Key_Plus);
    EXPECT_DOUBLE_EQ(zoom(), 1.0);

    guide.reset();
    start();
    window = guide->mainWindow();
    click("Command12_0");
    EXPECT_DOUBLE_EQ(zoom(), 0.8);
}

// Without a mouse: each tab has its own Alt letter and a key press brings it, Tab walks the
// grid's links to a start time and Enter marks it; every control that takes the focus has a
// name for a screen reader.
TEST_F(Window, TheKeyboardAloneMarksAProgrammeAndEveryControlHasAName)
{
    QSet<QKeySequence> letters;
    for (int tab = 0; tab < 5; ++tab)
        letters << QKeySequence::mnemonic(window->tab(tab)->text());
    EXPECT_EQ(letters.size(), 5);
    EXPECT_FALSE(letters.contains(QKeySequence()));
    for (const auto& [tab, panel] :
         {std::pair{1, gui::MainWindow::Search}, std::pair{0, gui::MainWindow::Classic}}) {
        window->tab(tab)->setFocus();
        QTest::keyClick(window->tab(tab), Qt::Key_Space);
        ASSERT_EQ(window->currentPanel(), panel);
    }
    const QString grid = page();
    const QString id = value("SELECT id AS v FROM program WHERE tv='ČT1' AND datum=? AND "
                             "hod1*60+min1>600 ORDER BY hod1, min1",
                             {today});
    const QString target = pages::links::timeCellTarget(id);
    ASSERT_TRUE(grid.contains(target));
    pane()->setFocus();
    for (int tabs = 0; tabs < 100 && pane()->textCursor().charFormat().anchorHref() != target;
         ++tabs)
        QTest::keyClick(pane(), Qt::Key_Tab);
    QTest::keyClick(pane(), Qt::Key_Return);
    EXPECT_TRUE(page().contains("CLASS=caszvol><A HREF=\"" + target));
    EXPECT_EQ(value("SELECT count(*) AS v FROM upozornit WHERE id=?", {id}), "1");
    std::vector<int> scrolled;
    for (const Qt::Key key : {Qt::Key_End, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_PageDown}) {
        QTest::keyClick(pane(), key);
        scrolled.push_back(pane()->scrollTop());
    }
    const int bottom = pane()->verticalScrollBar()->maximum();
    const int pageStep = pane()->verticalScrollBar()->pageStep();
    EXPECT_GT(bottom, 0);
    EXPECT_EQ(scrolled, (std::vector<int>{bottom, std::max(0, bottom - pageStep), 0,
                                          std::min(bottom, pageStep)}));

    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(window))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
            << control->metaObject()->className() << " " << control->objectName().toStdString();
    }
}

// After midnight the day choosers move on once: the chosen day stays chosen, and a guide that
// slept through midnights leaves them alone.
TEST_F(Window, ChoosersSetTheWindowTheFilterAndTheJumpToEightAndMoveOnAfterMidnight)
{
    choose(classic()->day(), 0);
    EXPECT_EQ(guide->state().zvolenedatum, today.addDays(-1));
    choose(classic()->day(), 1);
    choose(classic()->type(), 2);
    EXPECT_TRUE(page().contains("/film.gif"));
    EXPECT_FALSE(page().contains("/zpravy.gif"));
    choose(classic()->type(), 0);
    choose(classic()->from(), 1); // from the beginning
    pane()->setScrollTop(0);
    clickLink(classic()->headerPane(), "20");
    EXPECT_GT(pane()->scrollTop(), 0);

    auto* day = classic()->day();
    auto* searchDay = child<QComboBox>("Combo5");
    day->setCurrentIndex(3);
    const QString night = "Noční_pořady-Pondělí 7.12.2026";
    for (const int days : {1, 1, 4}) {
        store::Clock::setFixed(QDateTime(today.addDays(days), QTime(0, 0, 5)));
        guide->downloadHost().tick();
        EXPECT_EQ(QStringList({day->itemText(0), day->currentText(), searchDay->itemText(1)}),
                  QStringList({night, "Středa 9.12.2026", "Úterý 8.12.2026"}));
    }
    EXPECT_EQ(day->count(), 14);
    EXPECT_TRUE(child<QLabel>("Label9")->text().startsWith("Dnes je úterý 8.12.2026."));
}

// Without a tray (offscreen has none) the minimise picture keeps the window, saying so once.
TEST_F(Window, TrayMenuPausesOpensTodayAndQuitsAndTheMinimisePictureKeepsAWindowWithoutTray)
{
    gui::Tray* tray = guide->tray();
    for (const bool allowed : {false, true}) {
        tray->pauseAction()->trigger();
        EXPECT_EQ(guide->state().povoleno_stahovani, allowed);
        EXPECT_EQ(tray->pauseAction()->text(),
                  allowed ? "Pozastavit stahování" : "Povolit stahování");
        EXPECT_EQ(setting(store::settingkeys::povolenoStahovani), allowed ? "True" : "False");
        EXPECT_EQ(tray->iconFile().endsWith("/icons/nacitzru.ico"), !allowed);
    }

    click("Command12_2");
    classic()->day()->setCurrentIndex(4);
    classic()->from()->setCurrentText("8:00");
    classic()->to()->setCurrentText("12:00");
    choose(classic()->type(), 2);
    window->hide();
    tray->openAction()->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->currentPanel(), gui::MainWindow::Classic);
    EXPECT_EQ(QStringList({classic()->day()->currentText(), classic()->from()->currentText(),
                           classic()->to()->currentText(), classic()->type()->currentText()}),
              QStringList({"Pondělí 7.12.2026", "Teď", "Konce", "Vše"}));
    EXPECT_EQ(guide->state().zvolenedatum, today);
    EXPECT_TRUE(page().contains("vypisinf.htm?id="));

    window->showNormal();
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(child<QLabel>("Picture2"), Qt::LeftButton);
        EXPECT_TRUE(window->isVisible());
    }
    ASSERT_FALSE(gui::Tray::available());
    EXPECT_EQ(information.size(), 1); // said once

    tray->exitAction()->trigger();
    EXPECT_FALSE(guide->store().isOpen());
}

#include "test_mainwindow.moc"
