#include "shell/mainwindow.h"

#include "shell/chooseritems.h"
#include "shell/guidestate.h"
#include "shell/pane.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace obzorka {
namespace {

template <typename Widget> Widget* named(Widget* widget, const QString& objectName)
{
    widget->setObjectName(objectName);
    return widget;
}

QComboBox* chooser(const QString& objectName, QWidget* parent)
{
    auto* combo = named(new QComboBox(parent), objectName);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

void fill(QComboBox* combo, const QStringList& items, int selected)
{
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(selected);
}

} // namespace

MainWindow::MainWindow(GuideState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("Form1"));
    resize(1000, 700);

    auto* tabRow = new QHBoxLayout;
    const QStringList tabCaptions{QStringLiteral("Klasické zobrazení"), QStringLiteral("Vyhledat"),
                                  QStringLiteral("Nastavení"), QStringLiteral("Nápověda")};
    for (int i = 0; i < tabCaptions.size(); ++i) {
        auto* tab =
            named(new QPushButton(tabCaptions.at(i), this), QStringLiteral("Command12_%1").arg(i));
        connect(tab, &QPushButton::clicked, this, [this, i] { showPanel(i); });
        m_tabs.append(tab);
        tabRow->addWidget(tab);
    }
    tabRow->addStretch();

    m_mainPane = new Pane(QStringLiteral("WebBrowser1"), this);
    m_panels = named(new QStackedWidget(this), QStringLiteral("Frame7"));
    m_panels->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    m_panels->addWidget(buildGridPanel());
    m_panels->addWidget(buildSearchPanel());
    m_panels->addWidget(buildSettingsPanel());
    m_panels->addWidget(named(new QWidget(this), QStringLiteral("Frame7_3")));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tabRow);
    layout->addWidget(m_panels);
    layout->addWidget(m_mainPane, 1);
    showPanel(0);
}

QWidget* MainWindow::buildGridPanel()
{
    auto* panel = named(new QWidget(this), QStringLiteral("Frame7_0"));
    m_day = chooser(QStringLiteral("Combo1"), panel);
    m_from = chooser(QStringLiteral("Combo2"), panel);
    m_to = chooser(QStringLiteral("Combo3"), panel);
    m_type = chooser(QStringLiteral("Combo4"), panel);
    m_dateLine = named(new QLabel(QStringLiteral("Dnes je"), panel), QStringLiteral("Label9"));

    auto* row = new QHBoxLayout(panel);
    row->addWidget(m_day);
    row->addWidget(new QLabel(QStringLiteral("Od:"), panel));
    row->addWidget(m_from);
    row->addWidget(new QLabel(QStringLiteral("Do:"), panel));
    row->addWidget(m_to);
    row->addStretch();
    row->addWidget(
        named(new QLabel(QStringLiteral("Typ pořadu:"), panel), QStringLiteral("Label5")));
    row->addWidget(m_type);
    row->addWidget(m_dateLine);
    return panel;
}

QWidget* MainWindow::buildSearchPanel()
{
    auto* panel = named(new QWidget(this), QStringLiteral("Frame7_1"));
    auto* text = named(new QLineEdit(panel), QStringLiteral("Text2"));
    m_searchDay = chooser(QStringLiteral("Combo5"), panel);
    m_searchType = chooser(QStringLiteral("Combo6"), panel);
    m_searchGroup = chooser(QStringLiteral("Combo7"), panel);
    auto* titleOnly = named(new QCheckBox(QStringLiteral("Pouze v názvu pořadu"), panel),
                            QStringLiteral("Check3"));
    auto* markedOnly = named(new QCheckBox(QStringLiteral("Pouze pořady na upozornění"), panel),
                             QStringLiteral("Check7"));
    auto* search =
        named(new QPushButton(QStringLiteral("Hledej"), panel), QStringLiteral("Command3"));

    auto* row = new QHBoxLayout(panel);
    row->addWidget(new QLabel(QStringLiteral("Vyhledat:"), panel));
    row->addWidget(text, 1);
    row->addWidget(new QLabel(QStringLiteral("Datum:"), panel));
    row->addWidget(m_searchDay);
    row->addWidget(new QLabel(QStringLiteral("Typ pořadu:"), panel));
    row->addWidget(m_searchType);
    row->addWidget(new QLabel(QStringLiteral("Stanice:"), panel));
    row->addWidget(m_searchGroup);
    row->addWidget(titleOnly);
    row->addWidget(markedOnly);
    row->addWidget(search);
    return panel;
}

QWidget* MainWindow::buildSettingsPanel()
{
    auto* panel = named(new QWidget(this), QStringLiteral("Frame7_2"));
    m_leadMinutes = named(new QLineEdit(panel), QStringLiteral("Text1"));
    m_leadMinutes->setMaximumWidth(60);
    m_vps = named(new QCheckBox(QStringLiteral("Zobrazovat VPS (pouze ČT1, ČT2)"), panel),
                  QStringLiteral("Check1"));
    m_noImages =
        named(new QCheckBox(QStringLiteral("Nestahovat obrázky"), panel), QStringLiteral("Check2"));

    connect(m_vps, &QCheckBox::toggled, this, &MainWindow::vpsToggled);
    connect(m_noImages, &QCheckBox::toggled, this, &MainWindow::noImagesToggled);
    connect(m_leadMinutes, &QLineEdit::editingFinished, this,
            [this] { emit leadMinutesEdited(m_leadMinutes->text()); });

    auto* minutes = new QHBoxLayout;
    minutes->addWidget(new QLabel(QStringLiteral("Upozornit na vybraný pořad"), panel));
    minutes->addWidget(m_leadMinutes);
    minutes->addWidget(
        named(new QLabel(QStringLiteral("minut předem."), panel), QStringLiteral("Label8")));
    minutes->addStretch();
    auto* column = new QVBoxLayout(panel);
    column->addWidget(
        named(new QLabel(QStringLiteral("Nastavení"), panel), QStringLiteral("Label15")));
    column->addLayout(minutes);
    column->addWidget(m_vps);
    column->addWidget(m_noImages);
    return panel;
}

void MainWindow::showPanel(int index)
{
    for (int i = 0; i < m_tabs.size(); ++i)
        m_tabs.at(i)->setStyleSheet(i == index ? QStringLiteral("background-color: white;")
                                               : QString());
    m_panels->setCurrentIndex(index);
}

void MainWindow::form1caption()
{
    setWindowTitle(obzorka::form1caption(m_state.data_jmeno));
}

void MainWindow::fillChoosers(QDate today)
{
    fill(m_searchDay, chooseritems::searchDays(today), 0);
    fill(m_type, chooseritems::programmeTypes(), 0);
    fill(m_searchType, chooseritems::programmeTypes(), 0);
    fill(m_searchGroup, chooseritems::stationGroups(), 0);
    fill(m_from, chooseritems::fromTimes(), 0);
    const QStringList toTimes = chooseritems::toTimes();
    fill(m_to, toTimes, int(toTimes.size() - 1));
}

void MainWindow::fillDayChooser(QDate today)
{
    fill(m_day, chooseritems::gridDays(today), 1);
    m_state.zvolenedatum = today;
}

void MainWindow::setDateLine(const QString& line)
{
    // The line is kept with CR LF; a label breaks lines at LF alone.
    m_dateLine->setText(QString(line).remove(QLatin1Char('\r')));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit shutdownRequested();
}

} // namespace obzorka
