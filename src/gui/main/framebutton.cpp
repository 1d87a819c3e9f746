#include "gui/main/framebutton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

namespace obzorka::gui {
namespace {

constexpr int frameWidth = 1;
constexpr qreal cornerRadius = 2;
const QColor frameColour(0x70, 0x70, 0x70);

} // namespace

FrameButton::FrameButton(const QString& text, Padding padding, QWidget* parent)
    : QPushButton(text, parent),
      m_padding(padding == Padding::Wide ? QMargins(8, 3, 8, 3) : QMargins())
{
}

void FrameButton::setMarked(bool marked)
{
    if (m_marked == marked)
        return;
    m_marked = marked;
    update();
}

QSize FrameButton::sizeHint() const
{
    const QMargins box = m_padding + QMargins(frameWidth, frameWidth, frameWidth, frameWidth);
    return fontMetrics().size(Qt::TextShowMnemonic, text()).grownBy(box);
}

void FrameButton::paintFramed(QPushButton& button, bool marked, const QMargins& padding)
{
    QPainter painter(&button);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(button.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(frameColour, frameWidth));
    painter.setBrush(marked ? QColor(Qt::white) : button.palette().color(QPalette::Button));
    painter.drawRoundedRect(frame, cornerRadius, cornerRadius);
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QRect inside = button.rect().marginsRemoved(
        padding + QMargins(frameWidth, frameWidth, frameWidth, frameWidth));
    // The shortcut letter is underlined when the desktop's style underlines them at all.
    QStyleOptionButton option;
    option.initFrom(&button);
    const int mnemonic = button.style()->styleHint(QStyle::SH_UnderlineShortcut, &option, &button)
                             ? Qt::TextShowMnemonic
                             : Qt::TextHideMnemonic;
    button.style()->drawItemText(&painter, inside, Qt::AlignCenter | mnemonic, button.palette(),
                                 button.isEnabled(), button.text(), QPalette::ButtonText);
    if (button.hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(&button);
        focus.rect = inside;
        button.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &button);
    }
}

void FrameButton::paintEvent(QPaintEvent*)
{
    paintFramed(*this, m_marked, m_padding);
}

} // namespace obzorka::gui
