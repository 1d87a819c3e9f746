#include "store/store.h"

#include "store/dates.h"
#include "store/dialect.h"
#include "store/schemafile.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QUrl>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

namespace obzorka::store {
namespace {

constexpr int busyTimeoutMs = 5000;

std::shared_ptr<const QStringList> columnsOf(sqlite3_stmt* statement)
{
    auto columns = std::make_shared<QStringList>();
    for (int c = 0; c < sqlite3_column_count(statement); ++c)
        columns->append(QString::fromUtf8(sqlite3_column_name(statement, c)));
    return columns;
}

void defaultFatalHandler(const QString& message)
{
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    std::exit(EXIT_FAILURE);
}

Store::FatalHandler& fatalHandler()
{
    static Store::FatalHandler handler = defaultFatalHandler;
    return handler;
}

// The engine's own words, after a Czech explanation for the faults a user can mend: a full
// disk and a data folder that cannot be written.
QString engineMessage(sqlite3* db)
{
    const QString engine = QString::fromUtf8(sqlite3_errmsg(db));
    switch (sqlite3_extended_errcode(db) & 0xff) {
    case SQLITE_FULL:
        return QStringLiteral("na disku není volné místo, údaje nelze uložit (") + engine + u')';
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return QStringLiteral("do složky s daty nelze zapisovat (") + engine + u')';
    case SQLITE_IOERR:
        return QStringLiteral("zápis na disk se nezdařil (") + engine + u')';
    default:
        return engine;
    }
}

bool isSelect(const QString& sql)
{
    return sql.left(6).toLower() == u"select";
}

int bind(sqlite3_stmt* statement, int index, const QVariant& value)
{
    if (value.isNull())
        return sqlite3_bind_null(statement, index);
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return sqlite3_bind_int64(statement, index, value.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(statement, index, value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob(statement, index, bytes.constData(), int(bytes.size()),
                                 SQLITE_TRANSIENT);
    }
    case QMetaType::QDate:
        return bind(statement, index, dates::isoDate(value.toDate()));
    case QMetaType::QDateTime:
        return bind(statement, index, dates::isoMoment(value.toDateTime()));
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        return sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()),
                                 SQLITE_TRANSIENT);
    }
    }
}

QVariant columnValue(sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return qint64(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, column)),
                          sqlite3_column_bytes(statement, column));
    case SQLITE_NULL:
        return {};
    default:
        return QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
            sqlite3_column_bytes(statement, column));
    }
}

} // namespace

void Store::setFatalHandler(FatalHandler handler)
{
    fatalHandler() = handler ? std::move(handler) : FatalHandler(defaultFatalHandler);
}

QString Store::databasePath(const QString& dataFolder)
{
    return dataFolder + QStringLiteral("/obz.db");
}

Store::~Store()
{
    zavridb();
}

bool Store::otevridb(const QString& dataFolder, QString* error, Access access)
{
    zavridb();
    const bool readOnly = access == Access::ReadOnly;
    const QString path = databasePath(dataFolder);
    if (!QFileInfo::exists(path)) {
        if (readOnly) {
            if (error)
                *error = cannotOpenMessage(path, QStringLiteral("soubor neexistuje"));
            return false;
        }
        if (!createStoreFile(path, error))
            return false;
    }

    // A reader with no writer about (no write-ahead log beside the file) takes the file as it
    // stands, so that not even SQLite's shared-memory index is created next to it.
    const bool untouched = readOnly && !QFileInfo::exists(path + QStringLiteral("-wal"));
    const QByteArray name = untouched ? QUrl::fromLocalFile(path).toEncoded() + "?immutable=1"
                                      : QFile::encodeName(path);
    sqlite3* db = nullptr;
    const int opened = sqlite3_open_v2(
        name.constData(), &db,
        (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI, nullptr);
    QString problem;
    if (opened != SQLITE_OK)
        problem = db ? engineMessage(db) : QString::fromUtf8(sqlite3_errstr(opened));
    else if (!readOnly && sqlite3_db_readonly(db, "main") == 1)
        problem = QStringLiteral("soubor je jen pro čtení");
    else
        problem = checkStoreFile(db);
    if (problem.isEmpty()) {
        sqlite3_busy_timeout(db, busyTimeoutMs);
        // Searches read every stored programme: map the file instead of copying its pages.
        sqlite3_exec(db, "PRAGMA mmap_size=268435456", nullptr, nullptr, nullptr);
        if (!registerDialect(db) ||
            (!readOnly &&
             sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr) != SQLITE_OK))
            problem = engineMessage(db);
    }
    if (!problem.isEmpty()) {
        sqlite3_close_v2(db);
        if (error)
            *error = cannotOpenMessage(path, problem);
        return false;
    }
    m_db = db;
    return true;
}

Store::Prepared* Store::prepared(const QString& sql, QString* problem)
{
    if (const auto found = m_statements.find(sql); found != m_statements.end())
        return &found->second;
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v3(m_db, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT,
                           &statement, &tail) != SQLITE_OK) {
        *problem = engineMessage(m_db);
        return nullptr;
    }
    if (tail && !QByteArray(tail).trimmed().isEmpty()) {
        // One statement at a time: a second one would silently not run.
        sqlite3_finalize(statement);
        *problem = QStringLiteral("více než jeden příkaz");
        return nullptr;
    }
    if (!statement)
        return nullptr; // nothing but blanks or a comment
    // The program sends a few dozen distinct statements; anything beyond is not worth keeping.
    if (m_statements.size() >= maxKeptStatements)
        forgetStatements();
    return &m_statements.emplace(sql, Prepared{statement, columnsOf(statement)}).first->second;
}

void Store::forgetStatements()
{
    for (auto& [sql, kept] : m_statements)
        sqlite3_finalize(kept.statement);
    m_statements.clear();
}

int Store::changes() const
{
    return sqlite3_changes(m_db);
}

QString Store::fileName() const
{
    return QFile::decodeName(sqlite3_db_filename(m_db, "main"));
}

Rows Store::provedsql(const QString& sql, const QVariantList& params)
{
    Rows rows;
    QString problem = m_db ? QString() : QStringLiteral("databáze není otevřena");
    Prepared* kept = m_db ? prepared(sql, &problem) : nullptr;
    if (!kept && problem.isEmpty())
        return rows;
    int status = kept ? SQLITE_OK : SQLITE_ERROR;
    sqlite3_stmt* statement = kept ? kept->statement : nullptr;
    for (int i = 0; status == SQLITE_OK && i < params.size(); ++i)
        status = bind(statement, i + 1, params.at(i));

    if (status == SQLITE_OK) {
        // SQLite prepares a kept statement again after the schema changed: "*" may name
        // other columns then.
        if (sqlite3_column_count(statement) != kept->columns->size())
            kept->columns = columnsOf(statement);
        const bool select = isSelect(sql);
        while ((status = sqlite3_step(statement)) == SQLITE_ROW) {
            if (!select)
                continue;
            QVariantList values;
            values.reserve(kept->columns->size());
            for (int c = 0; c < kept->columns->size(); ++c)
                values.append(columnValue(statement, c));
            rows.emplace_back(kept->columns, std::move(values));
        }
        if (status == SQLITE_DONE)
            status = SQLITE_OK;
    }
    if (status != SQLITE_OK && problem.isEmpty())
        problem = engineMessage(m_db);
    if (statement) {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
    }
    if (status != SQLITE_OK) {
        fatalHandler()(QStringLiteral("Chyba sql: ") + problem + QStringLiteral("\r\nSQL dotaz: ") +
                       sql);
        return {};
    }
    return rows;
}

Store::Transaction::Transaction(Store& store) : m_store(store)
{
    m_store.provedsql(QStringLiteral("BEGIN IMMEDIATE"));
}

Store::Transaction::~Transaction()
{
    if (m_open && m_store.m_db)
        sqlite3_exec(m_store.m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Store::Transaction::commit()
{
    m_store.provedsql(QStringLiteral("COMMIT"));
    m_open = false;
}

void Store::zavridb()
{
    forgetStatements();
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

} // namespace obzorka::store
