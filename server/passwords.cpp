#include "passwords.h"

#include <QSemaphore>
#include <sodium.h>

namespace obzorka::server::passwords {
namespace {

// Two passes over 19 MiB: a check takes some tens of milliseconds. At most four run at once,
// so that a burst of logins or guesses cannot take more than 76 MiB, whatever the workers.
constexpr unsigned long long passes = 2;
constexpr size_t memoryBytes = 19 * 1024 * 1024;

QSemaphore& hashing()
{
    static QSemaphore available(4);
    return available;
}

// One of the hashing slots, held while it lives.
class HashingSlot
{
public:
    HashingSlot() { hashing().acquire(); }
    ~HashingSlot() { hashing().release(); }
    HashingSlot(const HashingSlot&) = delete;
    HashingSlot& operator=(const HashingSlot&) = delete;
};

} // namespace

bool ready()
{
    return sodium_init() >= 0;
}

QByteArray hash(const QString& password)
{
    const QByteArray bytes = password.toUtf8();
    char stored[crypto_pwhash_STRBYTES];
    const HashingSlot slot;
    if (crypto_pwhash_str(stored, bytes.constData(), size_t(bytes.size()), passes, memoryBytes) !=
        0)
        return {};
    return QByteArray(stored);
}

bool matches(const QByteArray& stored, const QString& password)
{
    const QByteArray bytes = password.toUtf8();
    const HashingSlot slot;
    return crypto_pwhash_str_verify(stored.constData(), bytes.constData(), size_t(bytes.size())) ==
           0;
}

RecentlyChecked::RecentlyChecked() : m_secret(crypto_generichash_KEYBYTES, '\0')
{
    randombytes_buf(m_secret.data(), size_t(m_secret.size()));
}

QByteArray RecentlyChecked::keyOf(const QString& name, const QString& password) const
{
    const QByteArray pair = name.toUtf8() + '\0' + password.toUtf8();
    QByteArray key(crypto_generichash_BYTES, '\0');
    crypto_generichash(
        reinterpret_cast<unsigned char*>(key.data()), size_t(key.size()),
        reinterpret_cast<const unsigned char*>(pair.constData()), size_t(pair.size()),
        reinterpret_cast<const unsigned char*>(m_secret.constData()), size_t(m_secret.size()));
    return key;
}

bool RecentlyChecked::contains(const QString& name, const QString& password, qint64 nowMs)
{
    const QByteArray key = keyOf(name, password);
    QMutexLocker lock(&m_mutex);
    return m_until.value(key) > nowMs;
}

void RecentlyChecked::insert(const QString& name, const QString& password, qint64 nowMs)
{
    const QByteArray key = keyOf(name, password);
    QMutexLocker lock(&m_mutex);
    if (m_until.size() >= maxPairs)
        m_until.removeIf([nowMs](const auto& entry) { return entry.value() <= nowMs; });
    if (m_until.size() >= maxPairs)
        m_until.clear();
    m_until.insert(key, nowMs + keptMs);
}

void RecentlyChecked::forget()
{
    QMutexLocker lock(&m_mutex);
    m_until.clear();
}

} // namespace obzorka::server::passwords
