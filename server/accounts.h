#pragma once

#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <optional>

namespace obzorka::server {

// The accounts of the server's users, each with its password and the stations it receives,
// kept in a JSON file in the server's data folder. In demo mode any non-empty name and
// password log in; a name seen for the first time gets an account with the default
// stations. Safe to use from the server's worker threads.
class Accounts
{
public:
    Accounts(const QString& file, bool demo, const QStringList& defaultStations);

    // Reads the file; a missing file means no accounts yet. False with a message when the
    // file cannot be read or is not an accounts file.
    bool load(QString* error);

    // The stations of the account, or nothing when the name or password is wrong.
    std::optional<QStringList> logIn(const QString& name, const QString& password);
    // Stores a new choice of stations for an account that logs in with these.
    bool setStations(const QString& name, const QString& password, const QStringList& stations,
                     QString* error);

private:
    struct Account
    {
        QString password;
        QStringList stations;
    };
    bool save(QString* error);

    QString m_file;
    bool m_demo;
    QStringList m_defaultStations;
    QMap<QString, Account> m_accounts;
    QMutex m_mutex;
};

} // namespace obzorka::server
