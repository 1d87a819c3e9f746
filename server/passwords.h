#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>

// Passwords as the server keeps them: salted argon2id hashes (libsodium), checked in constant
// time, and a short memory of the name and password pairs checked right lately, so that a
// guide's download run of some twenty requests costs one slow check, not twenty.
namespace obzorka::server::passwords {

// Makes libsodium ready; false when it cannot be (the server cannot keep accounts then).
bool ready();
// The hash to store for a password; empty when the memory for hashing could not be had.
QByteArray hash(const QString& password);
// Whether the password is the one of the stored hash; as slow for a wrong one as for a right one.
bool matches(const QByteArray& stored, const QString& password);

// The pairs checked right in the last minutes, kept only as a keyed hash with a secret of this
// process, so that not even the server's memory holds a password.
class RecentlyChecked
{
public:
    RecentlyChecked();
    bool contains(const QString& name, const QString& password, qint64 nowMs);
    void insert(const QString& name, const QString& password, qint64 nowMs);
    void forget(); // after a password was changed or an account removed

private:
    static constexpr qint64 keptMs = 10 * 60 * 1000;
    static constexpr qsizetype maxPairs = 10000;
    QByteArray keyOf(const QString& name, const QString& password) const;

    QByteArray m_secret;
    QMutex m_mutex;
    QHash<QByteArray, qint64> m_until;
};

} // namespace obzorka::server::passwords
