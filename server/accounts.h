#pragma once

#include "passwords.h"

#include <QMutex>
#include <QString>
#include <QStringList>
#include <optional>

struct sqlite3;

namespace obzorka::server {

// The accounts of the server's users, each with its password and the stations it receives, kept
// in accounts.db (SQLite, readable by its owner only) in the server's data folder, passwords as
// salted argon2id hashes. An accounts.json of earlier versions ({"name": {"heslo": "password",
// "stanice": [...]}}) is taken over at the first start and renamed accounts.json.migrated. In
// demo mode any non-empty name and password log in; a name seen for the first time gets an
// account with the default stations. Safe to use from the server's worker threads: the slow
// password check runs outside the lock.
class Accounts
{
public:
    // Opens the accounts of the folder, taking over an accounts.json first.
    Accounts(const QString& folder, bool demo, const QStringList& defaultStations);
    ~Accounts();
    Accounts(const Accounts&) = delete;
    Accounts& operator=(const Accounts&) = delete;

    // Why the accounts cannot be used, in Czech; empty when they can.
    const QString& problem() const { return m_problem; }

    // The stations of the account, or nothing when the name or password is wrong. A wrong
    // password, or a name without an account, costs one slow check, as a right one does.
    std::optional<QStringList> logIn(const QString& name, const QString& password);
    // Stores a new choice of stations for an account that logs in with these.
    bool setStations(const QString& name, const QString& password, const QStringList& stations,
                     QString* error);

    // Administration; false with a Czech message when the account is there (add) or is not.
    bool add(const QString& name, const QString& password, const QStringList& stations,
             QString* error);
    bool setPassword(const QString& name, const QString& password, QString* error);
    bool remove(const QString& name, QString* error);
    // "name: station, station" for each account, by name.
    QStringList list();

private:
    struct Stored
    {
        QByteArray hash;
        QStringList stations;
    };
    std::optional<Stored> find(const QString& name);
    bool insert(const QString& name, const QByteArray& hash, const QStringList& stations);
    bool run(const char* sql, const QList<QByteArray>& values, QString* error = nullptr);
    bool open(QString* error);
    bool migrate(const QString& json, QString* error);

    QString m_folder;
    bool m_demo;
    QStringList m_defaultStations;
    sqlite3* m_db = nullptr;
    QMutex m_mutex;
    passwords::RecentlyChecked m_checked;
    QByteArray m_decoy; // checked against for a name without an account
    QString m_problem;
};

} // namespace obzorka::server
