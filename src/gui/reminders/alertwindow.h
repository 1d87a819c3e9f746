#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QSoundEffect;
class QTimer;

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka::gui {

// The reminder window "Form3" ("Upozornění na pořad"): one per alert, on top of other windows,
// with a chime. It can be acknowledged (closed for good) or put off for a minute, after which
// it returns every minute until acknowledged. It deletes itself when closed.
class AlertWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AlertWindow(store::Store& store, QWidget* parent = nullptr);

    // Shows the alert of the programme with this id and deletes its mark; a window already
    // filled stays as it is.
    void napln(qint64 id);

    // The acknowledge button comes alive a moment after the alert shows, so that a click
    // meant for another window does not dismiss it unseen.
    void armAcknowledge();
    // A put-off alert comes back on top with its chime.
    void comeBack();

signals:
    void filled();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setEnterPresses(bool on);
    void showOnTop();
    void playSound();
    void placeBesideOpenAlerts();
    bool isPending() const;

    store::Store& m_store;
    QLabel* m_title;
    QLabel* m_start;
    QLabel* m_end;
    QLabel* m_day;
    QLabel* m_station;
    QPushButton* m_acknowledge;
    QTimer* m_armDelay;
    QTimer* m_repeat;
    QSoundEffect* m_sound;
};

} // namespace obzorka::gui
