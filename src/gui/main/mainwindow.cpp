#include "gui/main/mainwindow.h"

#include "app/guidestate.h"
#include "gui/guide/classicpanel.h"
#include "gui/guide/pagedeck.h"
#include "gui/guide/pane.h"
#include "gui/guide/searchpanel.h"
#include "gui/guide/settingspanel.h"
#include "gui/main/framebutton.h"
#include "gui/main/widgets.h"
#include "gui/reminders/reminderpanel.h"
#include "pages/chooseritems.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace obzorka::gui {

using widgets::named;

namespace {

void fill(QComboBox* combo, const QStringList& items, int selected)
{
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(selected);
}

// The minimise picture: a bar at the bottom of a small frame.
QPixmap minimisePicture()
{
    QPixmap picture(18, 18);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QColor(0x50, 0x50, 0x70));
    painter.setBrush(QColor(0xe8, 0xe8, 0xf0));
    painter.drawRect(0, 0, 17, 17);
    painter.fillRect(4, 11, 10, 3, QColor(0x00, 0x00, 0x50));
    return picture;
}

} // namespace

MainWindow::MainWindow(app::GuideState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("Form1"));
    resize(1100, 760);

    auto* tabRow = new QHBoxLayout;
    // Alt and the underlined letter press a tab from the keyboard.
    const QStringList tabCaptions{QStringLiteral("&Klasické zobrazení"),
                                  QStringLiteral("&Vyhledat"), QStringLiteral("&Nastavení"),
                                  QStringLiteral("Ná&pověda"), QStringLiteral("&Teď běží")};
    for (int i = 0; i < tabCaptions.size(); ++i) {
        auto* tab = named(new FrameButton(tabCaptions.at(i), FrameButton::Padding::Wide, this),
                          QStringLiteral("Command12_%1").arg(i));
        connect(tab, &QPushButton::clicked, this, [this, i] { emit tabClicked(tabPanel(i)); });
        m_tabs.append(tab);
        tabRow->addWidget(tab);
    }
    tabRow->addStretch();
    m_bannerPane = new Pane(QStringLiteral("WebBrowser3"), this);
    m_bannerPane->setFixedSize(400, 52);
    m_bannerPane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_bannerPane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_bannerPane->setAccessibleName(QStringLiteral("Reklamní proužek"));
    tabRow->addWidget(m_bannerPane);
    tabRow->addSpacing(32); // room for the minimise picture

    m_pageDeck = new PageDeck(QStringLiteral("WebBrowser1"), this);
    m_pageDeck->setAccessiblePaneName(QStringLiteral("Stránka programu"));
    m_classic = new ClassicPanel(this);
    m_search = new SearchPanel(this);
    m_settings = new SettingsPanel(this);
    m_panels = named(new QStackedWidget(this), QStringLiteral("Frame7"));
    m_panels->addWidget(m_classic);
    m_panels->addWidget(m_search);
    m_panels->addWidget(m_settings);
    m_panels->addWidget(
        buildPagePanel(QStringLiteral("Frame7_3"), QStringLiteral("Frame4_3"), nullptr));

    auto* printTitle = named(new QLabel(QStringLiteral("Tisk"), this), QStringLiteral("Label22"));
    auto* print =
        named(new QPushButton(QStringLiteral("T&isk"), this), QStringLiteral("Command13"));
    connect(print, &QPushButton::clicked, this, &MainWindow::printRequested);
    auto* printRow = new QWidget(this);
    auto* printLayout = new QHBoxLayout(printRow);
    printLayout->setContentsMargins(0, 0, 0, 0);
    printLayout->addWidget(printTitle);
    printLayout->addStretch();
    printLayout->addWidget(print);
    m_panels->addWidget(
        buildPagePanel(QStringLiteral("Frame7_4"), QStringLiteral("Frame4_4"), printRow));
    m_panels->addWidget(
        buildPagePanel(QStringLiteral("Frame7_5"), QStringLiteral("Frame4_5"), nullptr));
    m_pageAreas = {m_classic->pageArea(),
                   m_search->pageArea(),
                   nullptr,
                   m_panels->widget(Help)->findChild<QWidget*>(QStringLiteral("Frame4_3")),
                   m_panels->widget(Print)->findChild<QWidget*>(QStringLiteral("Frame4_4")),
                   m_panels->widget(Now)->findChild<QWidget*>(QStringLiteral("Frame4_5"))};

    m_minimise = named(new QLabel(this), QStringLiteral("Picture2"));
    m_minimise->setPixmap(minimisePicture());
    m_minimise->setFixedSize(18, 18);
    m_minimise->setCursor(Qt::PointingHandCursor);
    m_minimise->setToolTip(QStringLiteral("Minimalizovat do oznamovací oblasti"));
    m_minimise->setAccessibleName(m_minimise->toolTip());
    // Reachable with Tab, and Enter or Space minimises as a click does.
    m_minimise->setFocusPolicy(Qt::StrongFocus);
    m_minimise->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tabRow);
    layout->addWidget(m_panels, 1);
    const QStringList resourceFolders{m_state.adr_bmp, m_state.adr_icon};
    for (Pane* pane : {m_bannerPane, m_classic->headerPane()})
        pane->setResourceFolders(resourceFolders);
    m_pageDeck->setResourceFolders(resourceFolders);
    attachMainPane(Classic);
    showPanel(Classic);
}

QWidget* MainWindow::buildPagePanel(const QString& panelName, const QString& areaName, QWidget* top)
{
    auto* panel = named(new QWidget(this), panelName);
    auto* area = named(new QWidget(panel), areaName);
    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    if (top)
        column->addWidget(top);
    column->addWidget(area, 1);
    return panel;
}

void MainWindow::showPanel(Panel panel)
{
    for (int i = 0; i < m_tabs.size(); ++i)
        m_tabs.at(i)->setMarked(tabPanel(i) == panel);
    m_panels->setCurrentIndex(panel);
}

MainWindow::Panel MainWindow::tabPanel(int tab)
{
    // The print preview has no tab; "Teď běží" comes after "Nápověda".
    return tab == 4 ? Now : Panel(tab);
}

MainWindow::Panel MainWindow::currentPanel() const
{
    return Panel(m_panels->currentIndex());
}

void MainWindow::attachMainPane(Panel panel)
{
    QWidget* area = m_pageAreas.at(panel);
    if (!area || m_pageDeck->parentWidget() == area)
        return;
    area->layout()->addWidget(m_pageDeck);
    m_pageDeck->show();
}

Pane* MainWindow::mainPane() const
{
    return m_pageDeck->front();
}

ReminderPanel* MainWindow::reminderPanel() const
{
    return m_settings->reminders();
}

QCheckBox* MainWindow::vpsBox() const
{
    return m_settings->vps();
}

QCheckBox* MainWindow::noImagesBox() const
{
    return m_settings->noImages();
}

void MainWindow::form1caption()
{
    setWindowTitle(obzorka::app::form1caption(m_state.data_jmeno));
}

void MainWindow::fillChoosers(QDate today)
{
    fill(m_search->day(), pages::chooseritems::searchDays(today), 0);
    fill(m_classic->type(), pages::chooseritems::programmeTypes(), 0);
    fill(m_search->type(), pages::chooseritems::programmeTypes(), 0);
    fill(m_search->group(), pages::chooseritems::stationGroups(), 0);
    fill(m_classic->from(), pages::chooseritems::fromTimes(), 0);
    const QStringList toTimes = pages::chooseritems::toTimes();
    fill(m_classic->to(), toTimes, int(toTimes.size() - 1));
}

void MainWindow::fillDayChooser(QDate today)
{
    fill(m_classic->day(), pages::chooseritems::gridDays(today), 1);
}

void MainWindow::setDateLine(const QString& line)
{
    // The line is kept with CR LF; a label breaks lines at LF alone.
    m_classic->dateLine()->setText(QString(line).remove(QLatin1Char('\r')));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit shutdownRequested();
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && isVisible())
        emit minimised();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Top right, 10 pixels in from the edge and 3 down, in front of everything.
    m_minimise->move(width() - m_minimise->width() - 10, 3);
    m_minimise->raise();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_minimise)
        return QWidget::eventFilter(watched, event);
    const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    if (event->type() == QEvent::MouseButtonRelease ||
        (key && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                 key->key() == Qt::Key_Space))) {
        showMinimized();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace obzorka::gui
