#pragma once

#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace obzorka::store {

// One row of a result: fields by column name (compared without regard to letter case).
class Row
{
public:
    Row(std::shared_ptr<const QStringList> columns, QVariantList values);

    // The raw value; a null QVariant for SQL NULL or a column the row does not have.
    QVariant value(QStringView column) const;
    // The value as text; NULL reads as the empty text.
    QString text(QStringView column) const;
    // The value as a whole number; NULL and text that is not a number read as 0.
    qint64 number(QStringView column) const;

private:
    std::shared_ptr<const QStringList> m_columns;
    QVariantList m_values;
};

using Rows = std::vector<Row>;

} // namespace obzorka::store
