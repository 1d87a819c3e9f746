#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace obzorka::gui {

class ReminderPanel;
class StationSlots;

// The panel "Nastavení" (Frame7_2): the settings choice with its three sub-panels
// "Klasické zobrazení" (Frame3: the station slots, VPS), "Upozorňování na pořady" (Frame1:
// the reminder lead, sound and keywords) and "Obecné" (Frame2: images, station choice), and "Zpět"
// to the choice.
class SettingsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPanel(QWidget* parent = nullptr);

    // Back to the choice: "Zvolte nastavení", the three buttons, no sub-panel.
    void showChoice();

    StationSlots* stationSlots() const { return m_slots; }
    ReminderPanel* reminders() const { return m_reminders; }
    QCheckBox* vps() const { return m_vps; }
    QCheckBox* noImages() const { return m_noImages; }

signals:
    void changeStationsRequested();

private:
    void showSubPanel(QPushButton* button, QWidget* subPanel);

    QLabel* m_title;
    QPushButton* m_back;
    QList<QWidget*> m_subPanels;
    StationSlots* m_slots;
    ReminderPanel* m_reminders;
    QCheckBox* m_vps;
    QCheckBox* m_noImages;
};

} // namespace obzorka::gui
