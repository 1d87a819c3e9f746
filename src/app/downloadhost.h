#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>

namespace obzorka::app {

// The hidden form "Form2": the two 5-second timers that drive the background work. Timer1
// counts ticks and paces the downloads; Timer2 paces the reminder checks. Start-up enables
// them once the store and every control are ready.
class DownloadHost : public QObject
{
    Q_OBJECT

public:
    static constexpr int tickMs = 5000;
    static constexpr int bannerTicks = 120;

    explicit DownloadHost(QObject* parent = nullptr);

    void enableTimer1();
    void enableTimer2();
    bool timer1Enabled() const { return m_timer1.isActive(); }
    bool timer2Enabled() const { return m_timer2.isActive(); }

    // One tick of Timer1; start-up also runs one at once.
    void tick();
    int ticks() const { return m_timer1_tiky; }

    // The tick divisor: a download run starts on ticks that are a multiple of it.
    int timer1div_pln = 1;
    // Asks a running download to stop at its next check.
    std::atomic<bool> pln_ukonci{false};

signals:
    void reminderCheckDue();
    // A download run stands between two of its steps: its own reminder check is due.
    void runReminderCheckDue();
    // Every tick, before a run may start: the day choosers move on after midnight.
    void dayCheckDue();
    // A tick whose count is a multiple of the divisor: time to try a download run.
    void downloadDue();
    // Every 120th tick (10 minutes): time for another advertising banner.
    void bannerDue();

private:
    QTimer m_timer1;
    QTimer m_timer2;
    int m_timer1_tiky = 0;
};

} // namespace obzorka::app
