#include "gui/guide/guidecontroller.h"

#include "app/downloadhost.h"
#include "app/guidestate.h"
#include "extras/dateline.h"
#include "gui/guide/classicpanel.h"
#include "gui/guide/pagedeck.h"
#include "gui/guide/pane.h"
#include "gui/guide/searchpanel.h"
#include "gui/guide/settingspanel.h"
#include "gui/guide/stationslots.h"
#include "gui/main/framebutton.h"
#include "gui/main/mainwindow.h"
#include "gui/main/widgets.h"
#include "pages/chooseritems.h"
#include "pages/pagelinks.h"
#include "pages/zoom.h"
#include "reminders/icalendar.h"
#include "reminders/marks.h"
#include "store/clock.h"
#include "store/dates.h"
#include "store/numbers.h"
#include "store/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

namespace obzorka::gui {
namespace {

void select(QComboBox* combo, const QString& text)
{
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(combo->findText(text));
}

QStringList itemsOf(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

GuideController::GuideController(MainWindow& window, store::Store& store, app::GuideState& state,
                                 store::Settings& settings, app::DownloadHost& host,
                                 QObject* parent)
    : QObject(parent), m_window(window), m_store(store), m_state(state), m_settings(settings),
      m_host(host),
      m_preparer(
          *window.pageDeck(), [this](const navigation::GridView& view) { return gridPage(view); },
          [this] { return m_window.isVisible() && !m_window.isMinimized(); })
{
    ClassicPanel* classic = m_window.classic();
    connect(classic->day(), &QComboBox::activated, this, &GuideController::dayChosen);
    connect(classic->from(), &QComboBox::activated, this, &GuideController::generedit1frame);
    connect(classic->to(), &QComboBox::activated, this, &GuideController::generedit1frame);
    connect(classic->type(), &QComboBox::activated, this, [this] {
        QComboBox* type = m_window.classic()->type();
        // Red warns that a type filter leaves programmes out.
        type->setStyleSheet(type->currentIndex() > 0
                                ? QStringLiteral("QComboBox { background: red; }")
                                : QString());
        generedit1frame();
    });
    connect(classic, &ClassicPanel::pageButtonClicked, this, &GuideController::choosePage);
    connect(classic->printButton(), &QPushButton::clicked, this, &GuideController::previewGrid);
    connect(m_window.search(), &SearchPanel::searchRequested, this, &GuideController::startSearch);
    connect(m_window.search()->printButton(), &QPushButton::clicked, this,
            &GuideController::previewSearch);
    connect(&m_window, &MainWindow::tabClicked, this, &GuideController::switchTab);
    connect(&m_host, &app::DownloadHost::dayCheckDue, this, &GuideController::shiftDaysIfChanged);
    connect(&m_host, &app::DownloadHost::dayCheckDue, this,
            &GuideController::refreshNowIfMinutePassed);
    connect(m_window.pageDeck(), &PageDeck::linkClicked, this, &GuideController::dispatch);
    connect(m_window.pageDeck(), &PageDeck::zoomRequested, this, &GuideController::zoomBy);
    connect(classic->headerPane(), &Pane::linkClicked, this, &GuideController::dispatch);
    connect(m_window.settings()->stationSlots(), &StationSlots::slotDropped, this,
            [this](int target, int source) {
                navigation::swapSlots(m_store, target, source);
                nastav_rychle4tv();
            });
    connect(m_window.settings(), &SettingsPanel::changeStationsRequested, this, [this] {
        QDesktopServices::openUrl(
            QUrl(QStringLiteral("http://") + m_state.data_server + QStringLiteral("/program")));
        emit quitRequested();
    });
    connect(&m_window, &MainWindow::printRequested, this, [this] {
        QPrinter printer;
        QPrintDialog dialog(&printer, &m_window);
        if (dialog.exec() == QDialog::Accepted)
            printTo(printer);
    });
    connect(m_window.pageDeck(), &PageDeck::keptPagesDropped, this, [this] {
        if (m_window.currentPanel() == MainWindow::Classic && !m_state.starting())
            prepareAroundCurrentView();
    });
    wireSettingsBoxes();
    wireZoomKeys();
}

void GuideController::wireZoomKeys()
{
    m_window.pageDeck()->setZoom(
        pages::zoom::fromText(m_settings.read(store::settingkeys::velikostTextu)));
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence::ZoomIn, 1},
        {QKeySequence(Qt::ControlModifier | Qt::Key_Equal), 1},
        {QKeySequence::ZoomOut, -1},
        {QKeySequence(Qt::ControlModifier | Qt::Key_0), 0}};
    for (const auto& [sequence, step] : keys)
        connect(new QShortcut(sequence, &m_window), &QShortcut::activated, this,
                [this, step = step] { zoomBy(step); });
}

void GuideController::zoomBy(int step)
{
    PageDeck* deck = m_window.pageDeck();
    const int zoom = step > 0   ? pages::zoom::larger(deck->zoom())
                     : step < 0 ? pages::zoom::smaller(deck->zoom())
                                : pages::zoom::normal;
    if (zoom == deck->zoom())
        return;
    deck->setZoom(zoom);
    m_settings.write(store::settingkeys::velikostTextu, QString::number(zoom));
    if (m_window.currentPanel() == MainWindow::Classic)
        prepareAroundCurrentView();
}

pages::PageContext GuideController::pageContext() const
{
    return {m_store, m_state.adr_bmp, m_window.vpsBox()->isChecked()};
}

void GuideController::wireSettingsBoxes()
{
    // While start-up fills the boxes from the settings nothing is written back.
    connect(m_window.vpsBox(), &QCheckBox::clicked, this, [this](bool on) {
        if (!m_state.starting())
            m_settings.writeFlag(store::settingkeys::vps, on);
    });
    connect(m_window.noImagesBox(), &QCheckBox::clicked, this, [this](bool on) {
        if (m_state.starting())
            return;
        m_settings.writeFlag(store::settingkeys::nestahovatObrazky, on);
        m_host.timer1div_pln = 1; // the next tick may start a run that honours the choice
    });
}

void GuideController::nastav_rychle4tv()
{
    m_pages = navigation::readStationPages(m_store);
    m_window.settings()->stationSlots()->showStations(m_pages);
    ClassicPanel* classic = m_window.classic();
    for (int k = 1; k <= ClassicPanel::pageButtonCount; ++k) {
        QPushButton* button = classic->pageButton(k);
        button->setVisible(k <= m_pages.pageCount);
        button->setToolTip(widgets::plainToolTip(m_pages.tooltips.at(k)));
    }
    const int current = m_state.starting() ? 1 : m_state.zvoleno4 + 1;
    if (current >= 1 && current <= m_pages.pageCount)
        classic->pageButton(current)->setMarked(true);
}

void GuideController::choosePage(int k)
{
    ClassicPanel* classic = m_window.classic();
    for (int i = 1; i <= ClassicPanel::pageButtonCount; ++i)
        classic->pageButton(i)->setMarked(i == k);
    m_state.zvoleno4 = k - 1;
    generedit1frame();
}

void GuideController::dayChosen()
{
    ClassicPanel* classic = m_window.classic();
    const pages::chooseritems::DayChoice choice = pages::chooseritems::chooseDay(
        m_state.zvolenedatum, classic->day()->currentText(), store::Clock::today(),
        classic->from()->currentText(), classic->to()->currentText());
    m_state.zvolenedatum = choice.day;
    select(classic->from(), choice.from);
    select(classic->to(), choice.to);
    generedit1frame();
}

void GuideController::generedit1frame()
{
    if (m_state.starting())
        return;
    ClassicPanel* classic = m_window.classic();
    const QStringList stations = m_pages.stationsOfPage(m_state.zvoleno4);
    classic->headerPane()->showPage(pages::generhlavicku(stations));
    classic->printButton()->show();
    m_state.genervypiscombo4 = classic->type()->currentText();
    m_state.genervypiscombo2 = classic->from()->currentText();
    m_state.genervypiscombo3 = classic->to()->currentText();
    m_state.genervypisgenertv = stations;
    m_window.pageDeck()->showPage(gridPage(currentView()));
    if (!m_window.isMinimized())
        m_window.mainPane()->setFocus();
    prepareAroundCurrentView();
}

navigation::GridView GuideController::currentView() const
{
    // Before the first page button the grid the choosers show is that of the first page.
    const ClassicPanel* classic = m_window.classic();
    return {std::max(m_state.zvoleno4, 0),  classic->day()->currentIndex(),
            m_state.zvolenedatum,           classic->type()->currentText(),
            classic->from()->currentText(), classic->to()->currentText()};
}

QString GuideController::gridPage(const navigation::GridView& view) const
{
    return pages::genertabulku(pageContext(), view.day, view.type, view.from, view.to,
                               m_pages.stationsOfPage(view.page), false);
}

void GuideController::prepareAroundCurrentView()
{
    const ClassicPanel* classic = m_window.classic();
    m_preparer.prepareAround(currentView(), {m_pages.pageCount, itemsOf(classic->day()),
                                             itemsOf(classic->type()), store::Clock::today()});
}

void GuideController::setDownloading(bool running)
{
    m_preparer.setDownloading(running);
    if (!running && m_window.currentPanel() == MainWindow::Classic)
        prepareAroundCurrentView();
}

void GuideController::switchTab(int tabPanel)
{
    const auto panel = MainWindow::Panel(tabPanel);
    m_window.showPanel(panel);
    m_preparer.stop();
    m_nowShownAt = {};
    PageDeck* deck = m_window.pageDeck();
    deck->showPage(pages::generzprava(QStringLiteral("Čekejte...")));
    m_window.attachMainPane(panel);
    switch (panel) {
    case MainWindow::Classic:
        generedit1frame();
        break;
    case MainWindow::Search:
        deck->showPage(pages::generzprava(QString()));
        m_window.search()->type()->setCurrentIndex(0);
        break;
    case MainWindow::Help:
        deck->showPage(pages::generhelpindex(pageContext()));
        break;
    case MainWindow::Settings:
        m_window.settings()->showChoice();
        break;
    case MainWindow::Now:
        showNow();
        break;
    case MainWindow::Print:
        break;
    }
}

void GuideController::startSearch()
{
    pages::SearchQuery query = m_window.search()->query();
    m_state.hledej = query;
    m_state.hledejod = QStringLiteral("1");
    showSearchPage(query, 0);
}

void GuideController::showSearchPage(const pages::SearchQuery& query, int scrollTop)
{
    m_window.pageDeck()->showPage(pages::generhledani(pageContext(), query));
    m_window.mainPane()->setScrollTop(scrollTop);
    if (!m_window.isMinimized())
        m_window.mainPane()->setFocus();
}

void GuideController::dispatch(const QString& target)
{
    using Kind = pages::links::LinkAction::Kind;
    const pages::links::LinkAction link = pages::links::parseLink(target);
    PageDeck* deck = m_window.pageDeck();
    switch (link.kind) {
    case Kind::Mail:
        QDesktopServices::openUrl(QUrl(link.target));
        break;
    case Kind::SearchPage: {
        // Paging takes the search boxes as they are now, from the row of the link.
        pages::SearchQuery query = m_window.search()->query();
        query.firstRow = store::numbers::toWholeNumber(link.od).value_or(0);
        m_state.hledej = query;
        m_state.hledejod = link.od;
        showSearchPage(query, 0);
        break;
    }
    case Kind::BackToGrid:
        generedit1frame();
        deck->front()->setScrollTop(m_state.bodyscrollposltop);
        break;
    case Kind::BackToSearch:
        showSearchPage(m_state.hledej, m_state.bodyhledejscrollposltop);
        break;
    case Kind::BackToNow:
        showNow();
        deck->front()->setScrollTop(m_nowScrollTop);
        break;
    case Kind::Detail: {
        using Origin = pages::links::Origin;
        const int scrollTop = deck->front()->scrollTop();
        if (link.from == Origin::Search)
            m_state.bodyhledejscrollposltop = scrollTop;
        else if (link.from == Origin::Now)
            m_nowScrollTop = scrollTop;
        else
            m_state.bodyscrollposltop = scrollTop;
        m_nowShownAt = {};
        m_window.classic()->headerPane()->showPage(QString());
        deck->showPage(pages::genervypisinf(pageContext(), link.id, link.from));
        if (link.from == Origin::Grid)
            m_window.classic()->printButton()->hide();
        break;
    }
    case Kind::ToggleTimeCell:
    case Kind::ToggleDetailLink:
        toggleAndRedraw(link.target, link.id, link.kind == Kind::ToggleTimeCell);
        break;
    case Kind::AddToCalendar:
        openInCalendar(link.id);
        break;
    case Kind::Help:
        m_nowShownAt = {};
        deck->showPage(pages::helpPage(pageContext(), link.name));
        break;
    case Kind::JumpToEight:
        deck->front()->scrollToAnchor(pages::links::eightPmAnchor);
        break;
    case Kind::Nothing:
        break;
    }
}

void GuideController::toggleAndRedraw(const QString& target, const QString& id, bool timeCell)
{
    if (!obzorka::reminders::toggleReminder(m_store, id))
        return;
    emit marksChanged();
    Pane* pane = m_window.mainPane();
    pane->redraw(timeCell ? pages::links::flipTimeCell(pane->page(), target)
                          : pages::links::flipReminderLink(pane->page(), target));
}

void GuideController::shiftDaysIfChanged()
{
    QComboBox* day = m_window.classic()->day();
    const QDate today = store::Clock::today();
    if (day->count() == 0 || !pages::chooseritems::dayHasChanged(day->itemText(0), today))
        return;
    const QString newDay = pages::chooseritems::dateItem(today.addDays(12));
    day->removeItem(0);
    day->addItem(newDay);
    if (day->currentIndex() < 1)
        day->setCurrentIndex(1);
    day->setItemText(0, pages::chooseritems::nightPrefix + day->itemText(0));
    select(m_window.classic()->from(), m_window.classic()->from()->itemText(0));
    QComboBox* searchDay = m_window.search()->day();
    searchDay->removeItem(1);
    if (searchDay->currentIndex() < 0)
        searchDay->setCurrentIndex(0);
    searchDay->addItem(newDay);
    m_window.setDateLine(extras::dateLine(today, extras::nameDayAtDayChange(m_store)));
}

void GuideController::showToday()
{
    ClassicPanel* classic = m_window.classic();
    switchTab(MainWindow::Classic);
    {
        const QSignalBlocker quiet(classic->day());
        classic->day()->setCurrentIndex(1);
    }
    select(classic->from(), classic->from()->itemText(0));
    select(classic->to(), classic->to()->itemText(classic->to()->count() - 1));
    select(classic->type(), classic->type()->itemText(0));
    classic->type()->setStyleSheet(QString());
    dayChosen();
}

void GuideController::openInCalendar(const QString& id)
{
    QString problem;
    const QString file = obzorka::reminders::writeProgrammeCalendar(
        m_store, id, m_settings.readLeadMinutes(), m_state.adr_htmltemp, &problem);
    if (file.isEmpty())
        QMessageBox::warning(&m_window, QStringLiteral("Obzorka"), problem);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void GuideController::showNow()
{
    if (m_window.currentPanel() != MainWindow::Now) {
        switchTab(MainWindow::Now);
        return;
    }
    m_nowShownAt = store::Clock::now();
    m_window.pageDeck()->showPage(pages::generbezi(pageContext(), m_nowShownAt));
    if (!m_window.isMinimized())
        m_window.mainPane()->setFocus();
}

void GuideController::refreshNowIfMinutePassed()
{
    const QDateTime now = store::Clock::now();
    // Hidden, it waits: the first tick after it shows again brings it up to date.
    if (!m_nowShownAt.isValid() || store::dates::minuteBoundaries(m_nowShownAt, now) == 0 ||
        !m_window.isVisible() || m_window.isMinimized())
        return;
    m_nowShownAt = now;
    m_window.mainPane()->redraw(pages::generbezi(pageContext(), now));
}

void GuideController::previewGrid()
{
    showPreview(pages::genertabulku(pageContext(), m_state.zvolenedatum, m_state.genervypiscombo4,
                                    m_state.genervypiscombo2, m_state.genervypiscombo3,
                                    m_state.genervypisgenertv, true));
}

void GuideController::previewSearch()
{
    // Before any search there is nothing to print.
    if (m_state.hledejod.isEmpty())
        return;
    showPreview(pages::generhledani(pageContext(), m_state.hledej));
}

void GuideController::showPreview(const QString& page)
{
    m_window.showPanel(MainWindow::Print);
    m_window.attachMainPane(MainWindow::Print);
    m_window.pageDeck()->showPage(pages::forPaper(page), false);
}

void GuideController::printTo(QPrinter& printer)
{
    m_window.mainPane()->document()->print(&printer);
}

} // namespace obzorka::gui
