#pragma once

#include "navigation/gridviews.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

namespace obzorka::gui {

class PageDeck;

// Lays out, in the pauses between the user's clicks, the grid of the choosers and those one
// click away from it in the deck's spare panes, so that a switch to one of them only paints
// it. One grid at a time, each after the clicks and paints waiting; none while a download run
// merges listings (the window answers at once meanwhile) or while the window is hidden.
class GridPreparer : public QObject
{
    Q_OBJECT

public:
    using PageOf = std::function<QString(const navigation::GridView&)>;

    GridPreparer(PageDeck& deck, PageOf pageOf, std::function<bool()> windowShown,
                 QObject* parent = nullptr);

    // Starts over around `current`: it first, then its neighbours among `choices`.
    void prepareAround(const navigation::GridView& current, const navigation::GridChoices& choices);
    // Lays out nothing more until the next start.
    void stop() { m_toPrepare.clear(); }
    void setDownloading(bool running) { m_downloading = running; }
    // Whether some grids are still to be laid out.
    bool preparing() const { return !m_toPrepare.empty(); }

private:
    void prepareNext();

    PageDeck& m_deck;
    PageOf m_pageOf;
    std::function<bool()> m_windowShown;
    std::vector<navigation::GridView> m_toPrepare;
    QTimer m_timer;
    bool m_downloading = false;
};

} // namespace obzorka::gui
