#include "gui/guide/settingspanel.h"

#include "gui/guide/stationslots.h"
#include "gui/main/widgets.h"
#include "gui/reminders/reminderpanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace obzorka::gui {

using widgets::named;

SettingsPanel::SettingsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame7_2"));
    m_title = named(new QLabel(QStringLiteral("Nastavení"), this), QStringLiteral("Label15"));
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    m_title->setFont(titleFont);
    auto* classic = named(new QPushButton(QStringLiteral("Klasické zobrazení"), this),
                          QStringLiteral("Command6"));
    auto* reminders = named(new QPushButton(QStringLiteral("Upozorňování na pořady"), this),
                            QStringLiteral("Command8"));
    auto* general =
        named(new QPushButton(QStringLiteral("Obecné"), this), QStringLiteral("Command9"));
    m_back = named(new QPushButton(QStringLiteral("Zpět"), this), QStringLiteral("Command10"));

    auto* frame3 = named(new QWidget(this), QStringLiteral("Frame3"));
    m_vps = named(new QCheckBox(QStringLiteral("Zobrazovat VPS (pouze ČT1, ČT2)"), frame3),
                  QStringLiteral("Check1"));
    m_slots = new StationSlots(frame3);
    auto* frame3Layout = new QVBoxLayout(frame3);
    frame3Layout->addWidget(named(new QLabel(QStringLiteral("Zde si můžete nastavit pořadí "
                                                            "zobrazovaných televizních stanic."),
                                             frame3),
                                  QStringLiteral("Label2")));
    frame3Layout->addWidget(m_vps);
    frame3Layout->addWidget(m_slots);
    frame3Layout->addStretch();

    auto* frame1 = m_reminders = new ReminderPanel(this);

    auto* frame2 = named(new QWidget(this), QStringLiteral("Frame2"));
    m_noImages = named(new QCheckBox(QStringLiteral("Nestahovat obrázky"), frame2),
                       QStringLiteral("Check2"));
    auto* changeStations =
        named(new QPushButton(QStringLiteral("Změnit stanice pro stahování"), frame2),
              QStringLiteral("Command5"));
    connect(changeStations, &QPushButton::clicked, this, &SettingsPanel::changeStationsRequested);
    auto* frame2Layout = new QVBoxLayout(frame2);
    frame2Layout->addWidget(m_noImages);
    frame2Layout->addWidget(changeStations, 0, Qt::AlignLeft);
    frame2Layout->addStretch();

    m_subPanels = {frame3, frame1, frame2};
    connect(classic, &QPushButton::clicked, this,
            [this, classic, frame3] { showSubPanel(classic, frame3); });
    connect(reminders, &QPushButton::clicked, this,
            [this, reminders, frame1] { showSubPanel(reminders, frame1); });
    connect(general, &QPushButton::clicked, this,
            [this, general, frame2] { showSubPanel(general, frame2); });
    connect(m_back, &QPushButton::clicked, this, &SettingsPanel::showChoice);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {classic, reminders, general})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_back);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_title);
    column->addLayout(buttons);
    for (QWidget* subPanel : m_subPanels)
        column->addWidget(subPanel, 1);
    column->addStretch();
    showChoice();
}

void SettingsPanel::showChoice()
{
    m_title->setText(QStringLiteral("Zvolte nastavení"));
    for (QWidget* subPanel : m_subPanels)
        subPanel->hide();
    m_back->hide();
}

void SettingsPanel::showSubPanel(QPushButton* button, QWidget* subPanel)
{
    for (QWidget* other : m_subPanels)
        other->setVisible(other == subPanel);
    m_title->setText(button->text());
    m_back->show();
}

} // namespace obzorka::gui
