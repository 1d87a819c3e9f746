#pragma once

#include "store/store.h"

#include <QDate>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace obzorka::test {

// What a failing statement throws in tests instead of ending the program.
struct SqlError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

void throwOnSqlError();

// Writes the file whole, making its folder first.
void writeFile(const QString& path, const QByteArray& bytes = {});

// A fresh store in a temporary data folder, with failing statements throwing SqlError and
// the clock released after each test.
class StoreTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString folder() const { return m_folder.path(); }
    QString one(const QString& sql, const QVariantList& params = {});
    void addProgramme(int id, const QString& tv, QDate day, int hod1, int min1, int hod2, int min2,
                      const QString& nazev = QStringLiteral("Pořad"));

    QTemporaryDir m_folder;
    store::Store store;
};

} // namespace obzorka::test
