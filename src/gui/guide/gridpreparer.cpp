#include "gui/guide/gridpreparer.h"

#include "gui/guide/pagedeck.h"

namespace obzorka::gui {
namespace {

// Long enough for the frame of a switch to be shown before a grid is laid out behind it.
constexpr int firstPauseMs = 50;

} // namespace

GridPreparer::GridPreparer(PageDeck& deck, PageOf pageOf, std::function<bool()> windowShown,
                           QObject* parent)
    : QObject(parent), m_deck(deck), m_pageOf(std::move(pageOf)),
      m_windowShown(std::move(windowShown))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &GridPreparer::prepareNext);
}

void GridPreparer::prepareAround(const navigation::GridView& current,
                                 const navigation::GridChoices& choices)
{
    m_toPrepare = navigation::neighbourViews(current, choices);
    m_toPrepare.insert(m_toPrepare.begin(), current);
    m_timer.start(firstPauseMs);
}

void GridPreparer::prepareNext()
{
    // Hidden in the tray the window lays out nothing ahead; it will when a grid shows again.
    if (!m_windowShown())
        m_toPrepare.clear();
    if (m_downloading)
        return;
    while (!m_toPrepare.empty()) {
        const navigation::GridView view = m_toPrepare.front();
        m_toPrepare.erase(m_toPrepare.begin());
        if (m_deck.prepare(m_pageOf(view)))
            break;
    }
    // The next grid follows as soon as the clicks and paints waiting are done.
    if (!m_toPrepare.empty())
        m_timer.start(0);
}

} // namespace obzorka::gui
