#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QStackedWidget;

namespace obzorka::app {
struct GuideState;
} // namespace obzorka::app

namespace obzorka::gui {

class ClassicPanel;
class FrameButton;
class PageDeck;
class Pane;
class ReminderPanel;
class SearchPanel;
class SettingsPanel;

// The main window "Form1": the four tab buttons, the minimise picture, the banner pane and
// the five stacked panels (classic view, search, settings, help, print preview) with the main
// page pane's deck, which moves into the page area of the panel in front. It owns and lays out the
// widgets; what they do is wired by the guide's controller. Closing it asks the owner to shut
// the program down (shutdownRequested) and is never refused.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    enum Panel
    {
        Classic = 0,
        Search = 1,
        Settings = 2,
        Help = 3,
        Print = 4,
        Now = 5
    };

    explicit MainWindow(app::GuideState& state, QWidget* parent = nullptr);

    // Sets the caption from the current login name.
    void form1caption();
    // Fills the search day, type, group and time choosers, selected as at start.
    void fillChoosers(QDate today);
    // Fills the grid day chooser (yesterday's night programmes to today + 12) on today.
    void fillDayChooser(QDate today);
    void setDateLine(const QString& line);

    // Brings a panel to the front; its tab button (none for the print preview) turns white.
    void showPanel(Panel panel);
    Panel currentPanel() const;
    // The panel of a tab button, by its place in the row.
    static Panel tabPanel(int tab);
    // Moves the main pane into the page area of a panel.
    void attachMainPane(Panel panel);

    ClassicPanel* classic() const { return m_classic; }
    SearchPanel* search() const { return m_search; }
    SettingsPanel* settings() const { return m_settings; }
    // The main pane's deck, and its pane in front.
    PageDeck* pageDeck() const { return m_pageDeck; }
    Pane* mainPane() const;
    Pane* bannerPane() const { return m_bannerPane; }
    FrameButton* tab(int index) const { return m_tabs.at(index); }
    ReminderPanel* reminderPanel() const;
    QCheckBox* vpsBox() const;
    QCheckBox* noImagesBox() const;

signals:
    void shutdownRequested();
    // A tab button: the panel it brings.
    void tabClicked(int panel);
    void printRequested();
    // The window was minimised (by its picture or by the desktop).
    void minimised();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPagePanel(const QString& panelName, const QString& areaName, QWidget* top);

    app::GuideState& m_state;
    QList<FrameButton*> m_tabs;
    QStackedWidget* m_panels;
    ClassicPanel* m_classic;
    SearchPanel* m_search;
    SettingsPanel* m_settings;
    QList<QWidget*> m_pageAreas; // by panel; none for the settings
    PageDeck* m_pageDeck;
    Pane* m_bannerPane;
    QLabel* m_minimise;
};

} // namespace obzorka::gui
