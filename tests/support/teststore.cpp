#include "support/teststore.h"

#include "store/clock.h"
#include "store/dates.h"

namespace obzorka::test {

void throwOnSqlError()
{
    store::Store::setFatalHandler(
        [](const QString& message) { throw SqlError(message.toStdString()); });
}

void StoreTest::SetUp()
{
    throwOnSqlError();
    ASSERT_TRUE(m_folder.isValid());
    QString error;
    ASSERT_TRUE(store.otevridb(m_folder.path(), &error)) << error.toStdString();
}

void StoreTest::TearDown()
{
    store::Clock::release();
}

QString StoreTest::one(const QString& sql, const QVariantList& params)
{
    const store::Rows rows = store.provedsql(sql, params);
    if (rows.empty())
        return QStringLiteral("<no row>");
    const QVariant value = rows.front().value(u"v");
    return value.isNull() ? QStringLiteral("<null>") : value.toString();
}

void StoreTest::addProgramme(int id, const QString& tv, QDate day, int hod1, int min1, int hod2,
                             int min2, const QString& nazev)
{
    store.provedsql(QStringLiteral("INSERT INTO program (id, tv, datum, hod1, min1, hod2, min2, "
                                   "nazev) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                    {id, tv, store::dates::isoDate(day), hod1, min1, hod2, min2, nazev});
}

} // namespace obzorka::test
