#include "gui/guide/pagedeck.h"

#include "gui/guide/pane.h"
#include "pages/zoom.h"

#include <QResizeEvent>

namespace obzorka::gui {

PageDeck::PageDeck(const QString& frontName, QWidget* parent)
    : QWidget(parent), m_frontName(frontName)
{
    for (int i = 0; i < paneCount; ++i) {
        auto* pane = new Pane(QString(), this);
        connect(pane, &Pane::linkClicked, this, [this, pane](const QString& target) {
            if (pane == front())
                emit linkClicked(target);
        });
        connect(pane, &Pane::zoomRequested, this, &PageDeck::zoomRequested);
        m_panes.append(pane);
        if (i > 0)
            putBehind(pane);
    }
    front()->setObjectName(m_frontName);
    setFocusProxy(front());
}

void PageDeck::showPage(const QString& page, bool zoomed)
{
    const int zoom = zoomed ? m_zoom : pages::zoom::normal;
    m_frontZoomed = zoomed;
    if (Pane* kept = holding(page, zoom)) {
        bringForward(kept);
        kept->setScrollTop(0);
        return;
    }
    // The page goes into the pane used longest ago, so the one in front stays kept.
    Pane* spare = m_panes.back();
    spare->showPage(page, zoom);
    bringForward(spare);
}

bool PageDeck::prepare(const QString& page)
{
    if (Pane* kept = holding(page, m_zoom)) {
        if (kept != front())
            m_panes.move(m_panes.indexOf(kept), 1);
        return false;
    }
    Pane* spare = m_panes.back();
    spare->showPage(page, m_zoom);
    m_panes.move(m_panes.size() - 1, 1);
    return true;
}

void PageDeck::setZoom(int percent)
{
    m_zoom = percent;
    if (m_frontZoomed)
        front()->setZoom(percent);
}

void PageDeck::setAccessiblePaneName(const QString& name)
{
    for (Pane* pane : m_panes)
        pane->setAccessibleName(name);
}

void PageDeck::setResourceFolders(const QStringList& folders)
{
    front()->setResourceFolders(folders);
    for (Pane* pane : m_panes.mid(1))
        pane->sharePictures(*front());
}

Pane* PageDeck::holding(const QString& page, int zoom) const
{
    for (Pane* pane : m_panes) {
        if (pane->page() == page && pane->zoom() == zoom)
            return pane;
    }
    return nullptr;
}

void PageDeck::bringForward(Pane* pane)
{
    Pane* old = front();
    if (pane == old)
        return;
    m_panes.move(m_panes.indexOf(pane), 0);
    pane->setObjectName(m_frontName);
    pane->setFocusPolicy(old->focusPolicy());
    pane->setGeometry(rect());
    setFocusProxy(pane);
    if (old->hasFocus())
        pane->setFocus();
    putBehind(old);
}

// A pane behind stays shown, just outside the deck where nothing of it is drawn: a hidden
// pane would lay its page out again when shown.
void PageDeck::putBehind(Pane* pane)
{
    pane->setObjectName(QString());
    pane->setFocusPolicy(Qt::NoFocus);
    pane->setGeometry(QRect(QPoint(width(), 0), size()));
}

void PageDeck::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    front()->setGeometry(rect());
    // Only the width lays a page out again. Laid out at a new width, the kept pages would cost
    // as many layouts as there are panes at each step of a resize; they are dropped instead
    // and prepared again.
    const bool newWidth = event->oldSize().width() != width();
    for (Pane* pane : m_panes.mid(1)) {
        if (newWidth && !pane->page().isEmpty())
            pane->showPage(QString());
        putBehind(pane);
    }
    if (newWidth)
        emit keptPagesDropped();
}

} // namespace obzorka::gui
