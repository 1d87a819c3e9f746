#include "store/row.h"

namespace obzorka::store {

Row::Row(std::shared_ptr<const QStringList> columns, QVariantList values)
    : m_columns(std::move(columns)), m_values(std::move(values))
{
}

QVariant Row::value(QStringView column) const
{
    // Callers mostly name a column as the statement spells it: try that first, cheaply.
    const qsizetype exact = m_columns->indexOf(column);
    if (exact >= 0)
        return m_values.at(exact);
    for (qsizetype i = 0; i < m_columns->size(); ++i) {
        if (column.compare(m_columns->at(i), Qt::CaseInsensitive) == 0)
            return m_values.at(i);
    }
    return {};
}

QString Row::text(QStringView column) const
{
    const QVariant field = value(column);
    return field.isNull() ? QString() : field.toString();
}

qint64 Row::number(QStringView column) const
{
    return value(column).toLongLong();
}

} // namespace obzorka::store
