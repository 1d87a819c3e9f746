#include "accounts.h"

#include "protocol.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace obzorka::server {

Accounts::Accounts(const QString& file, bool demo, const QStringList& defaultStations)
    : m_file(file), m_demo(demo), m_defaultStations(defaultStations)
{
}

bool Accounts::load(QString* error)
{
    QMutexLocker lock(&m_mutex);
    QFile file(m_file);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Soubor účtů „%1“ nelze číst: %2").arg(m_file, file.errorString());
        return false;
    }
    QJsonParseError problem;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &problem);
    if (!document.isObject()) {
        *error =
            QStringLiteral("Soubor účtů „%1“ je poškozený: %2").arg(m_file, problem.errorString());
        return false;
    }
    const QJsonObject accounts = document.object();
    for (auto it = accounts.begin(); it != accounts.end(); ++it) {
        const QJsonObject account = it.value().toObject();
        QStringList stations;
        for (const QJsonValue& station : account.value(QStringLiteral("stanice")).toArray())
            stations << protocol::stationName(station.toString());
        m_accounts.insert(it.key(), {account.value(QStringLiteral("heslo")).toString(), stations});
    }
    return true;
}

std::optional<QStringList> Accounts::logIn(const QString& name, const QString& password)
{
    QMutexLocker lock(&m_mutex);
    if (name.isEmpty() || password.isEmpty())
        return std::nullopt;
    const auto found = m_accounts.constFind(name);
    if (found != m_accounts.constEnd())
        return found->password == password ? std::optional(found->stations) : std::nullopt;
    if (!m_demo)
        return std::nullopt;
    m_accounts.insert(name, {password, m_defaultStations});
    QString ignored; // a demo account that cannot be saved still works for this run
    save(&ignored);
    return m_defaultStations;
}

bool Accounts::setStations(const QString& name, const QString& password,
                           const QStringList& stations, QString* error)
{
    if (!logIn(name, password)) {
        *error = QStringLiteral("Špatné přístupové jméno nebo heslo!");
        return false;
    }
    QMutexLocker lock(&m_mutex);
    m_accounts[name].stations = stations;
    return save(error);
}

bool Accounts::save(QString* error)
{
    QJsonObject accounts;
    for (auto it = m_accounts.constBegin(); it != m_accounts.constEnd(); ++it)
        accounts.insert(it.key(), QJsonObject{{QStringLiteral("heslo"), it->password},
                                              {QStringLiteral("stanice"),
                                               QJsonArray::fromStringList(it->stations)}});
    QSaveFile file(m_file);
    if (file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(accounts).toJson()) >= 0 &&
        file.commit())
        return true;
    *error = QStringLiteral("Soubor účtů „%1“ nelze zapsat: %2").arg(m_file, file.errorString());
    return false;
}

} // namespace obzorka::server
