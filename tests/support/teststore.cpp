#include "support/teststore.h"

#include "store/clock.h"
#include "support/listings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace obzorka::test {

void throwOnSqlError()
{
    store::Store::setFatalHandler(
        [](const QString& message) { throw SqlError(message.toStdString()); });
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
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
    insert(store, {id, tv, day, hod1, min1, hod2, min2, nazev});
}

} // namespace obzorka::test
