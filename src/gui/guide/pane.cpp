#include "gui/guide/pane.h"

#include "pages/richtextpage.h"
#include "pages/zoom.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QImageReader>
#include <QScrollBar>
#include <QTextDocument>
#include <QWheelEvent>

namespace obzorka::gui {

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
    showPage(page, m_zoom);
}

void Pane::showPage(const QString& page, int zoom)
{
    m_page = page;
    m_zoom = zoom;
    QFont text = font();
    if (text.pointSizeF() > 0)
        text.setPointSizeF(text.pointSizeF() * zoom / pages::zoom::normal);
    else
        text.setPixelSize(text.pixelSize() * zoom / pages::zoom::normal);
    // Set again, the same font would lay the old page out once more before it goes.
    if (document()->defaultFont() != text)
        document()->setDefaultFont(text);
    const pages::RichTextPage adapted = pages::adaptForRichText(page);
    document()->setDefaultStyleSheet(
        adapted.textColour.isEmpty()
            ? QString()
            : QStringLiteral("body { color: %1; }").arg(adapted.textColour));
    // A page that replaces a long one is laid out once, beside the scroll bar. Left to itself,
    // the bar would go with the old text and come back with the new, and the new page would be
    // laid out twice, first without it.
    const bool barShown = verticalScrollBar()->isVisible();
    if (barShown)
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHtml(pages::zoom::scaledFontSizes(adapted.html, zoom));
    if (barShown)
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void Pane::redraw(const QString& page)
{
    const int kept = scrollTop();
    showPage(page);
    setScrollTop(kept);
}

void Pane::setZoom(int percent)
{
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    if (!m_page.isEmpty())
        redraw(m_page);
}

int Pane::scrollTop() const
{
    return verticalScrollBar()->value();
}

void Pane::setScrollTop(int pixels)
{
    verticalScrollBar()->setValue(pixels);
}

void Pane::setResourceFolders(const QStringList& folders)
{
    m_pictures = std::make_shared<Pictures>();
    m_pictures->files = pages::PageResources(folders);
}

void Pane::sharePictures(const Pane& other)
{
    m_pictures = other.m_pictures;
}

QImage Pane::missingImage()
{
    static const QImage missing = [] {
        QImage image(QStringLiteral(":/qt-project.org/styles/commonstyle/images/file-16.png"));
        if (image.isNull()) {
            image = QImage(16, 16, QImage::Format_ARGB32);
            image.fill(Qt::lightGray);
        }
        return image;
    }();
    return missing;
}

QVariant Pane::loadResource(int type, const QUrl& name)
{
    // Pages show pictures and nothing else: no style sheet or page is loaded from anywhere.
    if (type != QTextDocument::ImageResource)
        return {};
    // A file once shown never changes under its name (an illustration is fetched only while
    // missing), and each page shows the same icons again: each is read and unpacked once.
    if (const QPixmap* known = m_pictures->shown.object(name.toString()))
        return *known;
    // Always an image: a document left without one reads the named file itself.
    const std::optional<QByteArray> bytes = m_pictures->files.read(name);
    if (!bytes)
        return missingImage();
    QBuffer buffer;
    buffer.setData(*bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxImagePixels)
        return missingImage();
    const QImage image = reader.read();
    if (image.isNull())
        return missingImage();
    // Kept as the screen draws it: handed over as an image, it would be converted again for
    // each place a page shows it, at each layout and paint.
    auto* shown = new QPixmap(QPixmap::fromImage(image));
    m_pictures->shown.insert(name.toString(), shown, int(image.sizeInBytes() / 1024));
    return *shown;
}

void Pane::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QTextBrowser::wheelEvent(event);
        return;
    }
    event->accept();
    if (const int turned = event->angleDelta().y(); turned != 0)
        emit zoomRequested(turned > 0 ? 1 : -1);
}

void Pane::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
}

} // namespace obzorka::gui
