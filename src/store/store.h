#pragma once

#include "store/row.h"

#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace obzorka::store {

// One connection to the store obz.db in the data folder. Each thread that needs the store
// opens its own Store; a Store is used by one thread at a time.
//
// A statement that fails is fatal: the installed fatal handler receives "Chyba sql: ",
// the engine's message, CR LF, "SQL dotaz: " and the statement. The window's handler shows
// it and ends the program; tests install one that throws.
class Store
{
public:
    using FatalHandler = std::function<void(const QString& message)>;
    static void setFatalHandler(FatalHandler handler);
    static QString databasePath(const QString& dataFolder);

    enum class Access
    {
        ReadWrite,
        ReadOnly
    };

    Store() = default;
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Opens obz.db in the data folder, first creating it from the installed schema when the
    // folder has none. When the file exists but is no store of this program, or cannot be
    // opened, returns false with a Czech message naming the file, and leaves the file as it was.
    // Read-only access never creates or changes the file.
    bool otevridb(const QString& dataFolder, QString* error, Access access = Access::ReadWrite);

    // Runs one statement with its values bound to the "?" placeholders. A statement whose
    // first six characters read "select" in any letter case returns its rows; any other is
    // executed and returns none.
    Rows provedsql(const QString& sql, const QVariantList& params = {});

    // How many rows the last insert, update or delete changed.
    int changes() const;

    // Closes the connection; errors are ignored.
    void zavridb();

    bool isOpen() const { return m_db != nullptr; }
    // The file of the open store.
    QString fileName() const;

    // Statements that take effect together or not at all: begun on construction, undone on
    // destruction unless committed.
    class Transaction
    {
    public:
        explicit Transaction(Store& store);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        void commit();

    private:
        Store& m_store;
        bool m_open = true;
    };

private:
    // A prepared statement kept for the next time the same text is run, with its columns.
    struct Prepared
    {
        sqlite3_stmt* statement;
        std::shared_ptr<const QStringList> columns;
    };
    static constexpr size_t maxKeptStatements = 200;

    // The kept statement for sql, prepared now if need be; null with a problem when it cannot
    // be prepared, null without one when sql holds no statement.
    Prepared* prepared(const QString& sql, QString* problem);
    void forgetStatements();

    sqlite3* m_db = nullptr;
    std::unordered_map<QString, Prepared> m_statements;
};

} // namespace obzorka::store
