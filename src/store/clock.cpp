#include "store/clock.h"

#include <atomic>

namespace obzorka::store {
namespace {
// Milliseconds since the epoch of the fixed moment, or -1 while the real clock runs.
std::atomic<qint64> fixedMs{-1};
} // namespace

QDateTime Clock::now()
{
    const qint64 fixed = fixedMs.load();
    QDateTime moment =
        fixed < 0 ? QDateTime::currentDateTime() : QDateTime::fromMSecsSinceEpoch(fixed);
    // Whole seconds: stored moments and DateDiff never see milliseconds.
    return moment.addMSecs(-moment.time().msec());
}

void Clock::setFixed(const QDateTime& moment)
{
    fixedMs.store(moment.toMSecsSinceEpoch());
}

void Clock::advance(qint64 seconds)
{
    fixedMs.store(now().addSecs(seconds).toMSecsSinceEpoch());
}

void Clock::release()
{
    fixedMs.store(-1);
}

} // namespace obzorka::store
