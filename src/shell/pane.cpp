#include "shell/pane.h"

#include "shell/richtextpage.h"

#include <QContextMenuEvent>
#include <QScrollBar>
#include <QTextDocument>

namespace obzorka {

Pane::Pane(const QString& objectName, QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(objectName);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    // Break lines between words only, so that a narrow time cell keeps "18:00" whole.
    setWordWrapMode(QTextOption::WordWrap);
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& target) { emit linkClicked(target.toString()); });
}

void Pane::showPage(const QString& page)
{
    m_page = page;
    const RichTextPage adapted = adaptForRichText(page);
    document()->setDefaultStyleSheet(
        adapted.textColour.isEmpty()
            ? QString()
            : QStringLiteral("body { color: %1; }").arg(adapted.textColour));
    setHtml(adapted.html);
}

void Pane::redraw(const QString& page)
{
    const int kept = scrollTop();
    showPage(page);
    setScrollTop(kept);
}

int Pane::scrollTop() const
{
    return verticalScrollBar()->value();
}

void Pane::setScrollTop(int pixels)
{
    verticalScrollBar()->setValue(pixels);
}

QVariant Pane::loadResource(int type, const QUrl& name)
{
    // Pages show local pictures only; nothing is fetched from the network.
    // A one-letter scheme is a drive letter of a local path.
    if (name.scheme().size() > 1 && !name.isLocalFile())
        return {};
    return QTextBrowser::loadResource(type, name);
}

void Pane::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
}

} // namespace obzorka
