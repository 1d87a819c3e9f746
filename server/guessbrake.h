#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>

// A brake on guessing passwords: after ten wrong passwords for a name from one client address
// within a minute, that name from that address is answered "wrong" without a check for the next
// minute. The same name from another address, and other names from the same address, go on as
// before. Safe to use from the server's worker threads.
namespace obzorka::server {

class GuessBrake
{
public:
    static constexpr int allowedWrong = 10;
    static constexpr qint64 windowMs = 60 * 1000;
    // Beyond this many names and addresses counted, those not on hold are forgotten at once.
    static constexpr qsizetype maxCounted = 100000;

    // Whether the name from the address is held back at this moment.
    bool holds(const QString& name, const QString& address, qint64 nowMs);
    // Counts a wrong password; true when it puts the name from the address on hold.
    bool wrong(const QString& name, const QString& address, qint64 nowMs);

private:
    struct Attempts
    {
        QList<qint64> wrongAt; // the moments of the wrong passwords of the last minute
        qint64 heldUntil = 0;
    };
    void forgetOld(qint64 nowMs);

    QMutex m_mutex;
    QHash<QString, Attempts> m_attempts; // by address and name
    qint64 m_forgottenAt = 0;
};

} // namespace obzorka::server
