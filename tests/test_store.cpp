#include "store/clock.h"
#include "store/dates.h"
#include "support/teststore.h"

#include <QFile>

using namespace obzorka;
using obzorka::test::SqlError;

class StoreFile : public test::StoreTest
{
};

TEST_F(StoreFile, NewStoreHasTheSchemaAndEveryNameDay)
{
    EXPECT_TRUE(QFile::exists(folder() + "/obz.db"));
    EXPECT_EQ(one("SELECT count(*) AS v FROM svatky"), "366");
    EXPECT_EQ(one("SELECT count(DISTINCT datum) AS v FROM svatky"), "366");
    EXPECT_EQ(one("SELECT jmeno AS v FROM svatky WHERE datum='24.12.'"), "Adam a Eva");
    EXPECT_NE(one("SELECT jmeno AS v FROM svatky WHERE datum='29.2.'"), "<no row>");
    EXPECT_EQ(one("SELECT version AS v FROM schema_version"), "1");
    EXPECT_EQ(one("PRAGMA journal_mode").isEmpty(), false);
    for (const char* table : {"televize", "program", "propridani", "upozornit", "nastaveni",
                              "obrpronacteni", "reklama", "svatky", "upozornit_dotaz"})
        EXPECT_EQ(one("SELECT count(*) AS v FROM sqlite_master WHERE name=?", {table}), "1")
            << table;
}

TEST_F(StoreFile, StagingTableHasTheColumnsOfProgramInTheSameOrder)
{
    const auto columns = [this](const QString& table) {
        QStringList names;
        for (const store::Row& row :
             store.provedsql("SELECT name FROM pragma_table_info(?) ORDER BY cid", {table}))
            names << row.text(u"name");
        return names;
    };
    EXPECT_EQ(columns("propridani"), columns("program"));
    EXPECT_EQ(columns("program").size(), 20);
}

TEST_F(StoreFile, DefaultsOfMarksAndImageQueue)
{
    store.provedsql("INSERT INTO upozornit (id) VALUES ('17')");
    EXPECT_EQ(one("SELECT automat AS v FROM upozornit WHERE id=17"), "0");
    store.provedsql("INSERT INTO obrpronacteni (obr, datum) VALUES ('a.jpg', '2026-12-04')");
    const auto queued = store::dates::parseMoment(one("SELECT caspridani AS v FROM obrpronacteni"));
    ASSERT_TRUE(queued.has_value());
    EXPECT_LE(std::abs(store::dates::secondsBetween(
                  store::dates::naive(QDateTime::currentDateTime()), *queued)),
              5);
}

TEST_F(StoreFile, ReminderViewGivesEachMarkWithItsStartMoment)
{
    addProgramme(1, "ČT1", QDate(2026, 12, 4), 24, 15, 25, 0);
    addProgramme(2, "ČT2", QDate(2026, 12, 4), 20, 5, 21, 0);
    addProgramme(3, "Nova", QDate(2026, 12, 4), 8, 0, 9, 0);
    store.provedsql("INSERT INTO upozornit (id) VALUES (1), (2), (99)");
    const store::Rows rows = store.provedsql("SELECT * FROM upozornit_dotaz ORDER BY datumcas1");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].number(u"id"), 2);
    EXPECT_EQ(rows[0].text(u"datumcas1"), "2026-12-04 20:05:00");
    EXPECT_EQ(rows[1].number(u"id"), 1);
    EXPECT_EQ(rows[1].text(u"datumcas1"), "2026-12-05 00:15:00");
}

TEST_F(StoreFile, OnlyALeadingSelectInAnyCaseReturnsRows)
{
    EXPECT_EQ(store.provedsql("SeLeCt 1 AS v").size(), 1u);
    EXPECT_TRUE(store.provedsql(" SELECT 1 AS v").empty());
    EXPECT_TRUE(store.provedsql("SELECT * FROM televize").empty());
    EXPECT_TRUE(store.provedsql("  ").empty());
}

TEST_F(StoreFile, BoundValuesKeepApostrophesAndQuotes)
{
    const QString title = "Rock'n'roll \"naživo\" -- '; DROP TABLE program; --";
    addProgramme(5, "ČT1", QDate(2026, 12, 4), 20, 0, 21, 0, title);
    EXPECT_EQ(one("SELECT nazev AS v FROM program WHERE nazev=?", {title}), title);
}

TEST_F(StoreFile, FailingStatementReportsEngineMessageAndStatement)
{
    const QString statement = "SELEC * FROM program";
    try {
        store.provedsql(statement);
        FAIL() << "no error";
    } catch (const SqlError& error) {
        const QString message = QString::fromStdString(error.what());
        EXPECT_TRUE(message.startsWith("Chyba sql: ")) << error.what();
        EXPECT_TRUE(message.endsWith("\r\nSQL dotaz: " + statement)) << error.what();
        EXPECT_TRUE(message.contains("syntax error")) << error.what();
    }
    EXPECT_THROW(store.provedsql("INSERT INTO nikde VALUES (1)"), SqlError);
    // A second statement would silently not run: refused as a whole.
    EXPECT_THROW(store.provedsql("DELETE FROM televize; DELETE FROM program"), SqlError);
    EXPECT_NO_THROW(store.provedsql("DELETE FROM televize;  "));
}

TEST_F(StoreFile, AFullDiskIsNamedInCzechAndTheRoundIsNotHalfStored)
{
    const QString pages = one("SELECT page_count AS v FROM pragma_page_count()");
    store.provedsql("PRAGMA max_page_count=" + pages); // the disk holds nothing more
    try {
        store::Store::Transaction round(store);
        for (int id = 1; id <= 2000; ++id)
            store.provedsql("INSERT INTO program (id, tv, datum, nazev) VALUES (?, 'ČT1', "
                            "'2026-12-06', ?)",
                            {id, QString(200, u'x')});
        round.commit();
        FAIL() << "the disk did not fill";
    } catch (const SqlError& error) {
        EXPECT_TRUE(QString::fromStdString(error.what())
                        .startsWith("Chyba sql: na disku není volné místo, údaje nelze uložit"))
            << error.what();
    }
    EXPECT_EQ(one("SELECT count(*) AS v FROM program"), "0");
}

TEST_F(StoreFile, SecondConnectionSeesCommittedRows)
{
    store::Store other;
    QString error;
    ASSERT_TRUE(other.otevridb(folder(), &error));
    store.provedsql("INSERT INTO televize (tv, povoleno, pozice) VALUES ('ČT1', 1, 1)");
    EXPECT_EQ(other.provedsql("SELECT * FROM televize").size(), 1u);
}

TEST(StoreOpening, UnusableFileIsReportedByNameAndLeftUntouched)
{
    test::throwOnSqlError();
    for (const QByteArray& content :
         {QByteArray("tohle není databáze, jen text\n"), QByteArray()}) {
        QTemporaryDir dir;
        const QString path = dir.path() + "/obz.db";
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        store::Store store;
        QString error;
        EXPECT_FALSE(store.otevridb(dir.path(), &error));
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_TRUE(error.contains("nelze otevřít")) << error.toStdString();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), content);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"obz.db"});
    }
}

TEST(StoreOpening, StoreOfANewerProgramIsRefused)
{
    test::throwOnSqlError();
    QTemporaryDir dir;
    {
        store::Store store;
        ASSERT_TRUE(store.otevridb(dir.path(), nullptr));
        store.provedsql("UPDATE schema_version SET version=99");
    }
    store::Store store;
    QString error;
    EXPECT_FALSE(store.otevridb(dir.path(), &error));
    EXPECT_TRUE(error.contains("novější verze")) << error.toStdString();
}

TEST_F(StoreFile, KeptStatementsRunAgainWithNewValuesAndAfterAFailure)
{
    const QString insert = "INSERT INTO nastaveni (polozka, hodnota) VALUES (?, ?)";
    const QString select = "SELECT hodnota AS v FROM nastaveni WHERE polozka=?";
    for (int i = 0; i < 3; ++i)
        store.provedsql(insert, {QString("k%1").arg(i), QString("hodnota %1").arg(i)});
    EXPECT_EQ(one(select, {"k2"}), "hodnota 2");
    EXPECT_EQ(one(select, {"k0"}), "hodnota 0");
    EXPECT_EQ(one(select, {"k9"}), "<no row>");
    EXPECT_THROW(store.provedsql(insert, {QVariant(), "bez klíče"}), SqlError); // NOT NULL
    EXPECT_NO_THROW(store.provedsql(insert, {"k3", "znovu"}));
    EXPECT_EQ(one(select, {"k3"}), "znovu");
    store.zavridb();
    EXPECT_THROW(store.provedsql(select, {"k3"}), SqlError);
}
