#include "passwords.h"

#include <sodium.h>

namespace obzorka::server::passwords {
namespace {

// Two passes over 19 MiB: a check takes some tens of milliseconds, and eight at once fit in
// the memory of a small server.
constexpr unsigned long long passes = 2;
constexpr size_t memoryBytes = 19 * 1024 * 1024;

} // namespace

bool ready()
{
    return sodium_init() >= 0;
}

QByteArray hash(const QString& password)
{
    const QByteArray bytes = password.toUtf8();
    char stored[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(stored, bytes.constData(), size_t(bytes.size()), passes, memoryBytes) !=
        0)
        return {};
    return QByteArray(stored);
}

bool matches(const QByteArray& stored, const QString& password)
{
    const QByteArray bytes = password.toUtf8();
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
