#include "store/schemafile.h"

#include <QDir>
#include <QFile>
#include <sqlite3.h>

namespace obzorka::store {
namespace {

QString loadSchema()
{
    QFile file(QStringLiteral(":/install/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool execute(sqlite3* db, const QString& sql, QString* problem)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    *problem = QString::fromUtf8(message ? message : sqlite3_errmsg(db));
    sqlite3_free(message);
    return false;
}

} // namespace

bool createStoreFile(const QString& path, QString* error)
{
    const QString schema = loadSchema();
    const QString building = path + QStringLiteral(".new");
    QFile::remove(building);

    QString problem;
    sqlite3* db = nullptr;
    if (schema.isEmpty()) {
        problem = QStringLiteral("chybí schéma databáze v programu");
    } else if (sqlite3_open_v2(QFile::encodeName(building).constData(), &db,
                               SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        problem = QString::fromUtf8(sqlite3_errmsg(db));
    } else if (execute(db, QStringLiteral("PRAGMA journal_mode=WAL"), &problem) &&
               execute(db, QStringLiteral("BEGIN"), &problem) && execute(db, schema, &problem)) {
        execute(db, QStringLiteral("COMMIT"), &problem);
    }
    sqlite3_close_v2(db);

    if (problem.isEmpty() && !QFile::rename(building, path))
        problem = QStringLiteral("soubor nelze vytvořit");
    if (problem.isEmpty())
        return true;
    QFile::remove(building);
    if (error)
        *error = cannotOpenMessage(path, problem);
    return false;
}

QString checkStoreFile(sqlite3* db)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT version FROM schema_version", -1, &statement, nullptr) !=
        SQLITE_OK) {
        const QString engine = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(statement);
        return QStringLiteral("nejde o databázi programu Obzorka (%1)").arg(engine);
    }
    int version = 0;
    if (sqlite3_step(statement) == SQLITE_ROW)
        version = sqlite3_column_int(statement, 0);
    sqlite3_finalize(statement);
    if (version < 1)
        return QStringLiteral("databáze nemá platnou verzi schématu");
    if (version > currentSchemaVersion)
        return QStringLiteral("databázi vytvořila novější verze programu (schéma %1)").arg(version);
    return {};
}

QString cannotOpenMessage(const QString& path, const QString& problem)
{
    return QStringLiteral("Databázi „%1“ nelze otevřít: %2.\r\n"
                          "Soubor zůstal beze změny. Program se nyní ukončí.")
        .arg(QDir::toNativeSeparators(path), problem);
}

} // namespace obzorka::store
