#include "gui/guide/stationslots.h"

#include "gui/main/framebutton.h"
#include "gui/main/widgets.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyleOptionButton>

namespace obzorka::gui {
namespace {

constexpr int slotWidth = 73;
constexpr int slotHeight = 25;
constexpr int blockOffset = slotWidth * 9 / 2; // where the second block of slots starts

// The drag names the slot and the slots it comes from: only a slot of the same window may
// be dropped here, not one dragged from another window or program.
QByteArray encodeSlot(const QWidget* owner, int slot)
{
    return QByteArray::number(quintptr(owner)) + ':' + QByteArray::number(slot);
}

int decodeSlot(const QWidget* owner, const QByteArray& data)
{
    const QList<QByteArray> parts = data.split(':');
    bool ok = parts.size() == 2 && parts.at(0) == QByteArray::number(quintptr(owner));
    const int slot = ok ? parts.at(1).toInt(&ok) : 0;
    return ok && slot >= 1 && slot <= navigation::StationPages::slotCount ? slot : 0;
}

} // namespace

SlotButton::SlotButton(int slot, QWidget* parent) : QPushButton(parent), m_slot(slot)
{
    setObjectName(QStringLiteral("Command2_%1").arg(slot));
    setAcceptDrops(true);
}

void SlotButton::showStation(const navigation::StationPages::Slot& station)
{
    m_name = station.caption;
    QFont shown = font();
    shown.setBold(station.received);
    shown.setItalic(!station.caption.isEmpty() && !station.received);
    setFont(shown);
    setToolTip(widgets::plainToolTip(m_name));
    fitName();
}

QString SlotButton::shownName() const
{
    return QString(text()).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

int SlotButton::captionWidth() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width();
}

void SlotButton::fitName()
{
    // A hidden slot holds the name whole and is fitted as it shows: the settings panel is
    // hidden at start, and measuring in its bold and italic faces would delay the window.
    if (!isVisible()) {
        setText(widgets::plainCaption(m_name));
        return;
    }
    setText(
        widgets::plainCaption(fontMetrics().elidedText(m_name, Qt::ElideRight, captionWidth())));
}

void SlotButton::setPicked(bool picked)
{
    m_picked = picked;
    update();
}

void SlotButton::paintEvent(QPaintEvent* event)
{
    if (m_picked)
        FrameButton::paintFramed(*this, true, QMargins());
    else
        QPushButton::paintEvent(event);
}

void SlotButton::showEvent(QShowEvent* event)
{
    QPushButton::showEvent(event);
    fitName();
}

void SlotButton::keyPressEvent(QKeyEvent* event)
{
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                       event->key() == Qt::Key_Enter;
    if (!press || event->isAutoRepeat()) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    emit keyPressed(m_slot);
}

void SlotButton::resizeEvent(QResizeEvent* event)
{
    QPushButton::resizeEvent(event);
    fitName();
}

void SlotButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitName();
}

void SlotButton::mousePressEvent(QMouseEvent* event)
{
    m_pressedAt = event->position().toPoint();
    QPushButton::mousePressEvent(event);
}

void SlotButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - m_pressedAt).manhattanLength() <
            QApplication::startDragDistance()) {
        QPushButton::mouseMoveEvent(event);
        return;
    }
    setDown(false);
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(StationSlots::mimeType), encodeSlot(parentWidget(), m_slot));
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(grab());
    drag->exec(Qt::MoveAction);
}

void SlotButton::dragEnterEvent(QDragEnterEvent* event)
{
    if (decodeSlot(parentWidget(),
                   event->mimeData()->data(QString::fromLatin1(StationSlots::mimeType))) > 0)
        event->acceptProposedAction();
}

void SlotButton::dropEvent(QDropEvent* event)
{
    const int source = decodeSlot(
        parentWidget(), event->mimeData()->data(QString::fromLatin1(StationSlots::mimeType)));
    if (source == 0)
        return;
    event->acceptProposedAction();
    emit slotDropped(m_slot, source);
}

StationSlots::StationSlots(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StationSlots"));
    setMinimumSize(blockOffset + 4 * slotWidth, 12 * slotHeight);
}

void StationSlots::makeButtons()
{
    if (!m_buttons.isEmpty())
        return;
    // Tab goes through the slots in their order, right after what takes the focus before them
    // (made later, they would otherwise come last in the window).
    QWidget* before = previousInFocusChain();
    while (before != this && before->focusPolicy() == Qt::NoFocus)
        before = before->previousInFocusChain();
    for (int n = 1; n <= navigation::StationPages::slotCount; ++n) {
        auto* button = new SlotButton(n, this);
        const int left = ((n - 1) % 4) * slotWidth + ((n - 1) / 48) * blockOffset;
        const int top = ((n - 1) / 4) * slotHeight - ((n - 1) / 48) * 12 * slotHeight;
        button->setGeometry(left, top, slotWidth, slotHeight);
        button->showStation(m_stations.at(n));
        connect(button, &SlotButton::slotDropped, this, &StationSlots::slotDropped);
        connect(button, &SlotButton::keyPressed, this, &StationSlots::pressed);
        QWidget::setTabOrder(before, button);
        before = button;
        if (isVisible())
            button->show(); // made as the slots show, it would stay hidden
        m_buttons.append(button);
    }
}

SlotButton* StationSlots::slotButton(int slot)
{
    makeButtons();
    return m_buttons.at(slot - 1);
}

void StationSlots::showEvent(QShowEvent* event)
{
    makeButtons();
    QWidget::showEvent(event);
}

void StationSlots::pressed(int slot)
{
    const int picked = m_picked;
    letGo();
    if (picked == 0) {
        m_picked = slot;
        slotButton(slot)->setPicked(true);
    } else if (picked != slot) {
        emit slotDropped(slot, picked);
    }
}

void StationSlots::letGo()
{
    if (const int picked = std::exchange(m_picked, 0); picked != 0)
        slotButton(picked)->setPicked(false);
}

void StationSlots::hideEvent(QHideEvent* event)
{
    letGo();
    QWidget::hideEvent(event);
}

void StationSlots::showStations(const navigation::StationPages& pages)
{
    letGo();
    m_stations = pages.bySlot;
    for (SlotButton* button : m_buttons)
        button->showStation(m_stations.at(button->slot()));
}

} // namespace obzorka::gui
