#include "accounts.h"

#include "protocol.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sqlite3.h>
#include <unistd.h>

namespace obzorka::server {
namespace {

const QString wrongAccount = QStringLiteral("Špatné přístupové jméno nebo heslo!");

// Station names hold no line breaks: protocol::stationName makes them blanks.
QByteArray stationsText(const QStringList& stations)
{
    return stations.join(u'\n').toUtf8();
}

QStringList stationsOf(const char* text)
{
    return QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
}

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

Accounts::Accounts(const QString& folder, bool demo, const QStringList& defaultStations)
    : m_folder(folder), m_demo(demo), m_defaultStations(defaultStations)
{
    open(&m_problem);
}

Accounts::~Accounts()
{
    sqlite3_close_v2(m_db);
}

bool Accounts::run(const char* sql, const QList<QByteArray>& values, QString* error)
{
    sqlite3_stmt* statement = nullptr;
    bool done = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) == SQLITE_OK;
    for (int i = 0; done && i < values.size(); ++i)
        done = sqlite3_bind_text(statement, i + 1, values[i].constData(), int(values[i].size()),
                                 SQLITE_TRANSIENT) == SQLITE_OK;
    done = done && sqlite3_step(statement) == SQLITE_DONE;
    sqlite3_finalize(statement);
    if (!done && error)
        *error = QStringLiteral("Účty v „%1“ nelze zapsat: %2")
                     .arg(m_folder, QString::fromUtf8(sqlite3_errmsg(m_db)));
    return done;
}

bool Accounts::open(QString* error)
{
    if (!passwords::ready()) {
        *error = QStringLiteral("Knihovnu libsodium nelze připravit.");
        return false;
    }
    const QString path = m_folder + QStringLiteral("/accounts.db");
    const QString json = m_folder + QStringLiteral("/accounts.json");
    const bool fresh = !QFile::exists(path);
    // Made readable by its owner only before anything is written into it.
    QFile file(path);
    if (fresh && (!file.open(QIODevice::WriteOnly) ||
                  !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))) {
        *error = QStringLiteral("Účty „%1“ nelze založit: %2").arg(path, file.errorString());
        return false;
    }
    file.close();
    // Made by root in a folder of another user (the service's, which runs as a user of its own),
    // the file goes to the folder's owner, who must read it.
    const QFileInfo folder(m_folder);
    if (fresh && geteuid() == 0 && folder.ownerId() != 0 &&
        ::chown(QFile::encodeName(path).constData(), folder.ownerId(), folder.groupId()) != 0) {
        *error = QStringLiteral("Účty „%1“ nelze předat vlastníkovi složky.").arg(path);
        return false;
    }
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE,
                        nullptr) != SQLITE_OK ||
        !run("CREATE TABLE IF NOT EXISTS account (name TEXT PRIMARY KEY, hash TEXT NOT NULL, "
             "stations TEXT NOT NULL)",
             {}, error)) {
        if (error->isEmpty())
            *error = QStringLiteral("Účty „%1“ nelze otevřít.").arg(path);
        return false;
    }
    m_decoy = passwords::hash(QStringLiteral("decoy"));
    return !fresh || !QFile::exists(json) || migrate(json, error);
}

// Takes the accounts of an accounts.json over, hashing each password, and renames the file.
bool Accounts::migrate(const QString& json, QString* error)
{
    QFile file(json);
    QJsonParseError problem;
    const QJsonDocument document = QJsonDocument::fromJson(
        file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), &problem);
    if (!document.isObject()) {
        *error =
            QStringLiteral("Soubor účtů „%1“ nelze převzít: %2").arg(json, problem.errorString());
        QFile::remove(m_folder + QStringLiteral("/accounts.db"));
        return false;
    }
    const QJsonObject accounts = document.object();
    for (auto it = accounts.begin(); it != accounts.end(); ++it) {
        const QJsonObject account = it.value().toObject();
        QStringList stations;
        for (const QJsonValue& station : account.value(QStringLiteral("stanice")).toArray())
            stations << protocol::stationName(station.toString());
        const QByteArray hash = passwords::hash(account.value(QStringLiteral("heslo")).toString());
        if (!run("INSERT OR REPLACE INTO account (name, hash, stations) VALUES (?, ?, ?)",
                 {it.key().toUtf8(), hash, stationsText(stations)}, error))
            return false;
    }
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.rename(json + QStringLiteral(".migrated"));
    return true;
}

std::optional<Accounts::Stored> Accounts::find(const QString& name)
{
    QMutexLocker lock(&m_mutex);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(m_db, "SELECT hash, stations FROM account WHERE name=?", -1, &statement,
                       nullptr);
    const QByteArray key = name.toUtf8();
    sqlite3_bind_text(statement, 1, key.constData(), int(key.size()), SQLITE_TRANSIENT);
    std::optional<Stored> found;
    if (sqlite3_step(statement) == SQLITE_ROW)
        found =
            Stored{reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)),
                   stationsOf(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)))};
    sqlite3_finalize(statement);
    return found;
}

bool Accounts::insert(const QString& name, const QByteArray& hash, const QStringList& stations)
{
    QMutexLocker lock(&m_mutex);
    return run("INSERT INTO account (name, hash, stations) VALUES (?, ?, ?)",
               {name.toUtf8(), hash, stationsText(stations)});
}

std::optional<QStringList> Accounts::logIn(const QString& name, const QString& password)
{
    if (name.isEmpty() || password.isEmpty())
        return std::nullopt;
    const std::optional<Stored> stored = find(name);
    if (stored) {
        if (m_checked.contains(name, password, now()) ||
            passwords::matches(stored->hash, password)) {
            m_checked.insert(name, password, now());
            return stored->stations;
        }
        return std::nullopt;
    }
    if (!m_demo) {
        passwords::matches(m_decoy, password); // as slow as a check of a real account
        return std::nullopt;
    }
    if (insert(name, passwords::hash(password), m_defaultStations))
        return m_defaultStations;
    // Two first logins of one new name at once: the second finds the first's account.
    if (find(name))
        return logIn(name, password);
    return m_defaultStations; // a demo account that cannot be stored still works for this run
}

bool Accounts::setStations(const QString& name, const QString& password,
                           const QStringList& stations, QString* error)
{
    if (!logIn(name, password)) {
        *error = wrongAccount;
        return false;
    }
    QMutexLocker lock(&m_mutex);
    return run("UPDATE account SET stations=? WHERE name=?",
               {stationsText(stations), name.toUtf8()}, error);
}

bool Accounts::add(const QString& name, const QString& password, const QStringList& stations,
                   QString* error)
{
    if (name.isEmpty() || password.isEmpty()) {
        *error = QStringLiteral("Jméno ani heslo nesmí být prázdné.");
        return false;
    }
    QStringList cleaned;
    for (const QString& station : stations)
        cleaned << protocol::stationName(station);
    if (find(name) || !insert(name, passwords::hash(password), cleaned)) {
        *error = QStringLiteral("Účet „%1“ už je.").arg(name);
        return false;
    }
    return true;
}

bool Accounts::setPassword(const QString& name, const QString& password, QString* error)
{
    if (!find(name) || password.isEmpty()) {
        *error = password.isEmpty() ? QStringLiteral("Heslo nesmí být prázdné.")
                                    : QStringLiteral("Účet „%1“ není.").arg(name);
        return false;
    }
    m_checked.forget();
    QMutexLocker lock(&m_mutex);
    return run("UPDATE account SET hash=? WHERE name=?", {passwords::hash(password), name.toUtf8()},
               error);
}

bool Accounts::remove(const QString& name, QString* error)
{
    if (!find(name)) {
        *error = QStringLiteral("Účet „%1“ není.").arg(name);
        return false;
    }
    m_checked.forget();
    QMutexLocker lock(&m_mutex);
    return run("DELETE FROM account WHERE name=?", {name.toUtf8()}, error);
}

QStringList Accounts::list()
{
    QMutexLocker lock(&m_mutex);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(m_db, "SELECT name, stations FROM account ORDER BY name", -1, &statement,
                       nullptr);
    QStringList accounts;
    while (sqlite3_step(statement) == SQLITE_ROW)
        accounts << QString::fromUtf8(
                        reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))) +
                        QStringLiteral(": ") +
                        stationsOf(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)))
                            .join(QStringLiteral(", "));
    sqlite3_finalize(statement);
    return accounts;
}

} // namespace obzorka::server
