#pragma once

#include "navigation/stationpages.h"
#include "pages/generhtml.h"

#include "gui/guide/gridpreparer.h"

#include <QDateTime>
#include <QObject>

class QPrinter;

namespace obzorka::app {
class DownloadHost;
struct GuideState;
} // namespace obzorka::app

namespace obzorka::store {
class Settings;
class Store;
} // namespace obzorka::store

namespace obzorka::gui {

class MainWindow;
class Pane;

// What the main window's controls and the clicks inside its pages do: the classic view and
// its choosers, the tabs, the search, the link protocol of the pages, the station pages and
// slots, the settings boxes and the print preview. Works on the window it is given; the
// pages come from the page builders.
class GuideController : public QObject
{
    Q_OBJECT

public:
    GuideController(MainWindow& window, store::Store& store, app::GuideState& state,
                    store::Settings& settings, app::DownloadHost& host, QObject* parent = nullptr);

    pages::PageContext pageContext() const;

    // Refreshes the slot buttons and page buttons from the stations.
    void nastav_rychle4tv();
    // The day chooser's rules for the time window, then the grid.
    void dayChosen();
    // Builds the header strip and the grid for the current choosers and station page.
    void generedit1frame();
    // A tab button: its panel in front, its page in the main pane.
    void switchTab(int tabPanel);
    // "Hledej" or Enter in the search box.
    void startSearch();
    // A click on a link in the main pane or the header strip.
    void dispatch(const QString& target);
    // A station page button, 1 to 24.
    void choosePage(int k);
    // After midnight the day choosers move on by one day, once, and the date line with them.
    void shiftDaysIfChanged();
    // Today's classic view from the start of the window, as the tray's "Otevřít" shows it.
    void showToday();
    // What is on now, from the top; while it stays in front it follows the clock's minutes.
    void showNow();
    // The print preview of the grid or of the search results.
    void previewGrid();
    void previewSearch();
    // Prints the previewed page.
    void printTo(QPrinter& printer);
    // Ctrl++ (1), Ctrl+− (−1) and Ctrl+0 (0): the panes' text a step larger, a step smaller or
    // at its own size; kept for the next start. Print versions keep their size.
    void zoomBy(int step);
    // Lays out, in the pauses between the user's clicks, the grid of the choosers and those
    // one click away from it, so that a switch to one of them only has to paint it.
    void prepareAroundCurrentView();
    // Whether some of those grids are still to be laid out.
    bool preparing() const { return m_preparer.preparing(); }
    // While a download run merges listings nothing is laid out ahead, so that the window
    // answers at once; after the run the grids around the current view are brought up to date.
    void setDownloading(bool running);

signals:
    // "Změnit stanice pro stahování": the program ends once the page is open.
    void quitRequested();
    // A reminder mark was set or cleared.
    void marksChanged();

private:
    void wireSettingsBoxes();
    void wireZoomKeys();
    void showPreview(const QString& page);
    void showSearchPage(const pages::SearchQuery& query, int scrollTop);
    void toggleAndRedraw(const QString& target, const QString& id, bool timeCell);
    void refreshNowIfMinutePassed();
    // The programme as a calendar file in the data folder's temp/, opened by the desktop.
    void openInCalendar(const QString& id);
    navigation::GridView currentView() const;
    QString gridPage(const navigation::GridView& view) const;

    MainWindow& m_window;
    store::Store& m_store;
    app::GuideState& m_state;
    store::Settings& m_settings;
    app::DownloadHost& m_host;
    navigation::StationPages m_pages;
    GridPreparer m_preparer;
    // The minute of the "Teď běží" page in front; invalid while another page is.
    QDateTime m_nowShownAt;
    int m_nowScrollTop = 0;
};

} // namespace obzorka::gui
