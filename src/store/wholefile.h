#pragma once

#include <QByteArray>
#include <QString>

namespace obzorka::store {

// Writes the bytes as the whole file at `path`, created or replaced; false with the Czech reason
// (the file's name and the system's words) in `error` when the file cannot be written whole.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error);

} // namespace obzorka::store
