#pragma once

#include "pages/pageresources.h"

#include <QCache>
#include <QImage>
#include <QPixmap>
#include <QTextBrowser>
#include <memory>

namespace obzorka::gui {

// One page pane of the main window (WebBrowser1..3): shows a built page, reports the target
// of a clicked link to its owner instead of following it, never shows a context menu, and
// shows no picture but those of its resource folders (none until they are set).
class Pane : public QTextBrowser
{
    Q_OBJECT

public:
    explicit Pane(const QString& objectName, QWidget* parent = nullptr);

    // Shows a whole page as the builders write it, its text at the pane's zoom or at `zoom`
    // percent; the scroll position starts at the top.
    void showPage(const QString& page);
    void showPage(const QString& page, int zoom);
    int zoom() const { return m_zoom; }
    // Shows the page again with its text at `percent` of its own size, in place.
    void setZoom(int percent);
    // Shows a changed version of the page in place: the scroll position stays.
    void redraw(const QString& page);
    // The page last shown, as given.
    const QString& page() const { return m_page; }

    // The folders whose files the pages may show: the data folder's bmp/ and icons/.
    void setResourceFolders(const QStringList& folders);
    // Takes the other pane's folders and the pictures it keeps, to share them from now on.
    void sharePictures(const Pane& other);

    int scrollTop() const;
    void setScrollTop(int pixels);

    // A picture of the resource folders, or the missing-image look for anything else: a file
    // refused, unreadable, no picture, or one that would unpack to more than maxImagePixels.
    QVariant loadResource(int type, const QUrl& name) override;
    static QImage missingImage();
    static constexpr qint64 maxImagePixels = 4096 * 4096;

signals:
    void linkClicked(const QString& target);
    // Ctrl and the wheel: the text a step larger (1) or smaller (−1), as the keys do it.
    void zoomRequested(int step);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Left to itself, the pane would zoom on its own and leave the others as they are.
    void wheelEvent(QWheelEvent* event) override;

private:
    struct Pictures
    {
        pages::PageResources files;
        // The pictures shown so far by name, up to 32 MB unpacked (counted in KB).
        QCache<QString, QPixmap> shown{32 * 1024};
    };

    QString m_page;
    int m_zoom = 100;
    std::shared_ptr<Pictures> m_pictures = std::make_shared<Pictures>();
};

} // namespace obzorka::gui
