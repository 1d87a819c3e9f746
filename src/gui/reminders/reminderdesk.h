#pragma once

#include "reminders/scheduler.h"

#include <QObject>
#include <functional>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka::gui {

// The reminder scheduler of the hidden form: holds the next reminder, checks it on the
// reminder timer's tick and between the steps of a download run, and raises its alert window.
class ReminderDesk : public QObject
{
    Q_OBJECT

public:
    ReminderDesk(store::Store& store, std::function<int()> leadMinutes);

    // Finds the next reminder again after marks or the lead changed.
    void nastavupozorneni();
    // The reminder timer's check, with the lead of the minutes box.
    void check();
    // A download run's own check between its steps.
    void checkDuringRun();

    const reminders::NextReminder& next() const { return m_next; }

private:
    void raise();

    store::Store& m_store;
    std::function<int()> m_leadMinutes;
    reminders::NextReminder m_next;
};

} // namespace obzorka::gui
