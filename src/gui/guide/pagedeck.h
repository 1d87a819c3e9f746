#pragma once

#include <QList>
#include <QWidget>

namespace obzorka::gui {

class Pane;

// The main window's page pane (WebBrowser1) with a few laid-out pages kept behind it. Qt parses
// and lays out a long page for tens of milliseconds, while bringing a laid-out pane forward
// only paints it: so the pages last shown, and those prepared while the user reads, wait in
// panes of their own. A page is brought forward only when its text equals the page asked for,
// built just now, so a kept page can never show data that has since changed.
class PageDeck : public QWidget
{
    Q_OBJECT

public:
    explicit PageDeck(const QString& frontName, QWidget* parent = nullptr);

    // The pane in front, the one the user sees.
    Pane* front() const { return m_panes.front(); }
    // Shows a whole page in front, its scroll position at the top, its text at the deck's zoom
    // or, for a page to print, at its own size.
    void showPage(const QString& page, bool zoomed = true);
    // Lays out a page behind the front pane, unless a pane holds it already. Returns whether
    // it laid the page out, the part that takes time.
    bool prepare(const QString& page);
    // The name a screen reader gives the pane in front, for every pane.
    void setAccessiblePaneName(const QString& name);
    // The folders whose files the pages may show, for every pane.
    void setResourceFolders(const QStringList& folders);
    // The text size of the pages from now on, in percent; the page in front follows at once
    // unless it is one to print.
    void setZoom(int percent);
    int zoom() const { return m_zoom; }

    static constexpr int paneCount = 8;

signals:
    // A link clicked in the front pane.
    void linkClicked(const QString& target);
    // Ctrl and the wheel over the front pane.
    void zoomRequested(int step);
    // A resize dropped the pages kept behind the front pane.
    void keptPagesDropped();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Pane* holding(const QString& page, int zoom) const;
    void bringForward(Pane* pane);
    void putBehind(Pane* pane);

    QString m_frontName;
    int m_zoom = 100;
    bool m_frontZoomed = true;
    // Most recently used first; the first is the front pane.
    QList<Pane*> m_panes;
};

} // namespace obzorka::gui
