#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QString>

namespace obzorka::store {

// A list bound as one value, for a statement that reads it with json_each: a whole round's
// names or pairs in one statement rather than one statement each.
inline QString jsonList(const QJsonArray& list)
{
    return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

} // namespace obzorka::store
