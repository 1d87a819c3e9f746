#pragma once

#include <QString>

namespace obzorka::store {

// Finds the programme (or mark) whose id, written as text and trimmed, is the given text
// trimmed ("?1"); the first test lets the store use its index on id.
inline const QString whereIdIs =
    QStringLiteral(" WHERE id=CAST(?1 AS INTEGER) AND trim(CStr(id))=trim(CStr(?1))");

} // namespace obzorka::store
