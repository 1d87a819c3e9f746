#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace obzorka {

class StationSlots;

// The panel "Nastavení" (Frame7_2): the settings choice with its three sub-panels
// "Klasické zobrazení" (Frame3: the station slots, VPS), "Upozorňování na pořady" (Frame1:
// the reminder lead) and "Obecné" (Frame2: images, station choice), and "Zpět" to the choice.
class SettingsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPanel(QWidget* parent = nullptr);

    // Back to the choice: "Zvolte nastavení", the three buttons, no sub-panel.
    void showChoice();

    StationSlots* stationSlots() const { return m_slots; }
    QLineEdit* leadMinutes() const { return m_leadMinutes; }
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
    QLineEdit* m_leadMinutes;
    QCheckBox* m_vps;
    QCheckBox* m_noImages;
};

} // namespace obzorka
