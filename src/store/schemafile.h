#pragma once

#include <QString>

struct sqlite3;

namespace obzorka::store {

// The schema version this build writes and understands.
constexpr int currentSchemaVersion = 1;

// Creates a new store file at path from the installed schema (tables, view, name days).
// The file appears whole or not at all: it is built beside and renamed into place.
bool createStoreFile(const QString& path, QString* error);

// Empty when db is a store this build can use; otherwise why not (for the message).
QString checkStoreFile(sqlite3* db);

// The Czech message for a store file that cannot be used.
QString cannotOpenMessage(const QString& path, const QString& problem);

} // namespace obzorka::store
