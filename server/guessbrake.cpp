#include "guessbrake.h"

namespace obzorka::server {
namespace {

QString keyOf(const QString& name, const QString& address)
{
    return address + u'\n' + name;
}

} // namespace

bool GuessBrake::holds(const QString& name, const QString& address, qint64 nowMs)
{
    QMutexLocker lock(&m_mutex);
    const auto found = m_attempts.constFind(keyOf(name, address));
    return found != m_attempts.cend() && found->heldUntil > nowMs;
}

bool GuessBrake::wrong(const QString& name, const QString& address, qint64 nowMs)
{
    QMutexLocker lock(&m_mutex);
    forgetOld(nowMs);
    Attempts& attempts = m_attempts[keyOf(name, address)];
    attempts.wrongAt.removeIf([nowMs](qint64 at) { return at <= nowMs - windowMs; });
    attempts.wrongAt << nowMs;
    if (attempts.wrongAt.size() < allowedWrong)
        return false;
    attempts.wrongAt.clear();
    attempts.heldUntil = nowMs + windowMs;
    return true;
}

// Once a minute the names without a wrong password in the last minute and not on hold go, and
// at once all not on hold when guesses at many names would fill the memory.
void GuessBrake::forgetOld(qint64 nowMs)
{
    const bool crowded = m_attempts.size() > maxCounted;
    if (nowMs - m_forgottenAt < windowMs && !crowded)
        return;
    m_forgottenAt = nowMs;
    m_attempts.removeIf([nowMs, crowded](const auto& entry) {
        const Attempts& attempts = entry.value();
        return attempts.heldUntil <= nowMs && (crowded || attempts.wrongAt.isEmpty() ||
                                               attempts.wrongAt.last() <= nowMs - windowMs);
    });
}

} // namespace obzorka::server
