#pragma once

#include <QDateTime>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka::reminders {
}

// The one reminder that falls due next, and when it is due.
namespace obzorka::reminders {

struct NextReminder
{
    qint64 id = 0; // 0: no mark waits
    QDateTime at;  // the programme's start

    bool operator==(const NextReminder&) const = default;
};

// The earliest mark of a programme that still exists.
NextReminder nextReminder(store::Store& store);

// The reminder timer's test: due once the minute of (now + lead) has reached the start's
// minute, so a 20:00 start with 5 minutes' lead is due from 19:55:00.
bool isDue(const NextReminder& next, const QDateTime& now, int leadMinutes);

// A download run's own test between its steps: a fixed 5 minutes, and strictly past the
// start's minute, so a 20:00 start is due from 19:56:00.
bool isDueDuringRun(const NextReminder& next, const QDateTime& now);

} // namespace obzorka::reminders
