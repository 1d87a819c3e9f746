#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariantList>
#include <optional>

namespace obzorka::store {
class Store;
} // namespace obzorka::store

namespace obzorka {
}

// What the entries share: a folder and a store kept for the whole process.
namespace obzorka::fuzz {

QString scratchFolder();

// The store in the scratch folder with what the imports write emptied, so that no input
// depends on the ones before it; the clock stands still for the same reason.
store::Store& freshStore();

// The single value of a query; empty for NULL or no row.
std::optional<QString> valueOf(store::Store& store, const QString& sql, const QVariantList& params);

// Bytes as the listing server sends them.
QString serverText(QByteArrayView bytes);

// Whether a text can go out on the wire: "|" and the characters 18 and 19 separate there.
bool fitsTheWire(const QString& text);

} // namespace obzorka::fuzz
