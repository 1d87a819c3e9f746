#pragma once

#include <QTextBrowser>

namespace obzorka {

// One page pane of the main window (WebBrowser1..3): shows a built page, reports the target
// of a clicked link to its owner instead of following it, never shows a context menu, and
// loads nothing but local files.
class Pane : public QTextBrowser
{
    Q_OBJECT

public:
    explicit Pane(const QString& objectName, QWidget* parent = nullptr);

    // Shows a whole page as the builders write it; the scroll position starts at the top.
    void showPage(const QString& page);
    // Shows a changed version of the page in place: the scroll position stays.
    void redraw(const QString& page);
    // The page last shown, as given.
    const QString& page() const { return m_page; }

    int scrollTop() const;
    void setScrollTop(int pixels);

    QVariant loadResource(int type, const QUrl& name) override;

signals:
    void linkClicked(const QString& target);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString m_page;
};

} // namespace obzorka
