#pragma once

#include <QPushButton>

namespace obzorka::gui {

// A button drawn flat in a thin grey frame, white while it marks the tab or page shown, the
// others in the window's button colour; every button of a row has the same frame, so nothing
// moves when the mark does. It draws itself: a style sheet on each of the window's thirty such
// buttons cost the start about 2 ms and each page switch about 1 ms.
class FrameButton : public QPushButton
{
    Q_OBJECT

public:
    enum class Padding
    {
        Wide,
        None
    }; // the tabs' 3 by 8 pixels, or none for small buttons

    FrameButton(const QString& text, Padding padding, QWidget* parent);

    bool marked() const { return m_marked; }
    void setMarked(bool marked);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The frame, the background and the caption of such a button on any button: a station slot
    // picked up from the keyboard looks the same.
    static void paintFramed(QPushButton& button, bool marked, const QMargins& padding);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QMargins m_padding;
    bool m_marked = false;
};

} // namespace obzorka::gui
