#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace obzorka {

class Pane;
struct GuideState;

// The main window "Form1": the four tab buttons, the stacked panels with their choosers and
// boxes, and the main page pane. It owns and wires the widgets; the work is done elsewhere.
// Closing it asks the owner to shut the program down (shutdownRequested) and is never refused.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(GuideState& state, QWidget* parent = nullptr);

    // Sets the caption from the current login name.
    void form1caption();
    // Fills the search day, type, group and time choosers, selected as at start.
    void fillChoosers(QDate today);
    // Fills the grid day chooser (yesterday's night programmes to today + 12) on today.
    void fillDayChooser(QDate today);
    void setDateLine(const QString& line);

    Pane* mainPane() const { return m_mainPane; }
    QLineEdit* leadMinutesBox() const { return m_leadMinutes; }
    QCheckBox* vpsBox() const { return m_vps; }
    QCheckBox* noImagesBox() const { return m_noImages; }

signals:
    void shutdownRequested();
    // The settings boxes changed, by the user or by start-up filling them.
    void vpsToggled(bool on);
    void noImagesToggled(bool on);
    // The lead-minutes box was left or confirmed with Enter.
    void leadMinutesEdited(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildGridPanel();
    QWidget* buildSearchPanel();
    QWidget* buildSettingsPanel();
    void showPanel(int index);

    GuideState& m_state;
    QStackedWidget* m_panels;
    QList<QPushButton*> m_tabs;
    Pane* m_mainPane;
    QLabel* m_dateLine;
    QComboBox* m_day;
    QComboBox* m_from;
    QComboBox* m_to;
    QComboBox* m_type;
    QComboBox* m_searchDay;
    QComboBox* m_searchType;
    QComboBox* m_searchGroup;
    QLineEdit* m_leadMinutes;
    QCheckBox* m_vps;
    QCheckBox* m_noImages;
};

} // namespace obzorka
