#include "shell/stationslots.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace obzorka {
namespace {

constexpr int slotWidth = 73;
constexpr int slotHeight = 25;

QByteArray encodeSlot(int slot)
{
    return QByteArray::number(slot);
}

} // namespace

SlotButton::SlotButton(int slot, QWidget* parent) : QPushButton(parent), m_slot(slot)
{
    setObjectName(QStringLiteral("Command2_%1").arg(slot));
    setAcceptDrops(true);
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
    data->setData(QString::fromLatin1(StationSlots::mimeType), encodeSlot(m_slot));
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(grab());
    drag->exec(Qt::MoveAction);
}

void SlotButton::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(QString::fromLatin1(StationSlots::mimeType)))
        event->acceptProposedAction();
}

void SlotButton::dropEvent(QDropEvent* event)
{
    bool ok = false;
    const int source =
        event->mimeData()->data(QString::fromLatin1(StationSlots::mimeType)).toInt(&ok);
    if (!ok || source < 1 || source > StationPages::slotCount)
        return;
    event->acceptProposedAction();
    emit slotDropped(m_slot, source);
}

StationSlots::StationSlots(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StationSlots"));
    const int blockOffset = slotWidth * 9 / 2;
    for (int n = 1; n <= StationPages::slotCount; ++n) {
        auto* button = new SlotButton(n, this);
        const int left = ((n - 1) % 4) * slotWidth + ((n - 1) / 48) * blockOffset;
        const int top = ((n - 1) / 4) * slotHeight - ((n - 1) / 48) * 12 * slotHeight;
        button->setGeometry(left, top, slotWidth, slotHeight);
        connect(button, &SlotButton::slotDropped, this, &StationSlots::slotDropped);
        m_buttons.append(button);
    }
    setMinimumSize(blockOffset + 4 * slotWidth, 12 * slotHeight);
}

void StationSlots::showStations(const StationPages& pages)
{
    for (SlotButton* button : m_buttons) {
        const StationPages::Slot& station = pages.bySlot.at(button->slot());
        button->setText(station.caption);
        QFont font = button->font();
        font.setBold(station.received);
        font.setItalic(!station.caption.isEmpty() && !station.received);
        button->setFont(font);
    }
}

} // namespace obzorka
