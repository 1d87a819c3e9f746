#pragma once

#include "navigation/stationpages.h"

#include <QPushButton>
#include <QWidget>

namespace obzorka::gui {

// One of the 96 station slots ("Command2_n"): shows its station, bold when received and
// italic when only offered, and can be dragged onto another slot. A name wider than the slot
// keeps as much of its start as fits, followed by "…"; the tool tip holds the whole name.
class SlotButton : public QPushButton
{
    Q_OBJECT

public:
    SlotButton(int slot, QWidget* parent);
    int slot() const { return m_slot; }
    void showStation(const navigation::StationPages::Slot& station);
    // The name as the slot shows it, without the doubled "&" of the caption.
    QString shownName() const;
    // The width the style leaves for the caption.
    int captionWidth() const;
    // Picked up from the keyboard: drawn as a marked tab until put down.
    bool picked() const { return m_picked; }
    void setPicked(bool picked);

signals:
    // A slot button was dropped on this one.
    void slotDropped(int target, int source);
    // Space or Enter on the slot: the keyboard's way to pick it up or to put one down on it.
    void keyPressed(int slot);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fitName();

    int m_slot;
    bool m_picked = false;
    QPoint m_pressedAt;
    QString m_name;
};

// The 96 slots in two blocks of twelve rows of four, the second block beside the first. A slot
// dragged onto another swaps their stations; so does, from the keyboard, pressing one slot and
// then another with Space or Enter (the first shows white meanwhile; pressed again, it is let
// go).
class StationSlots : public QWidget
{
    Q_OBJECT

public:
    // The drag data: the slots' own address and the slot number, "address:slot".
    static constexpr const char* mimeType = "application/x-obzorka-slot";

    explicit StationSlots(QWidget* parent = nullptr);
    void showStations(const navigation::StationPages& pages);
    SlotButton* slotButton(int slot);

signals:
    void slotDropped(int target, int source);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The buttons are made when the slots first show or one is asked for: the settings panel is
    // hidden at start, and 96 buttons made there delayed the window.
    void makeButtons();
    void pressed(int slot);
    void letGo();

    QList<SlotButton*> m_buttons;
    decltype(navigation::StationPages::bySlot) m_stations{};
    int m_picked = 0;
};

} // namespace obzorka::gui
