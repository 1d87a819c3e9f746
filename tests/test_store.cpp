#include "store/checkpointer.h"
#include "store/clock.h"
#include "store/settings.h"
#include "support/teststore.h"

#include <QDir>
#include <QFile>
#include <ctime>

using namespace obzorka;
using obzorka::test::SqlError;
namespace keys = store::settingkeys;

class StoreFile : public test::StoreTest
{
protected:
    QString sqlError(const QString& statement)
    {
        try {
            store.provedsql(statement);
        } catch (const SqlError& error) {
            return QString::fromStdString(error.what());
        }
        return QStringLiteral("<no error>");
    }
    // The value of an SQL expression, "<error>" when it fails.
    QString eval(const QString& expression)
    {
        const QString sql = "SELECT " + expression + " AS v";
        return sqlError(sql) == "<no error>" ? one(sql) : "<error>";
    }
    store::Settings settings{store};
};

// A new store has every name day and a staging table with the columns of program in the same
// order; kept statements run again; failing ones are reported and refused whole.
TEST_F(StoreFile, NewStoreKeptStatementsAndFailuresReportedAndRefusedWhole)
{
    EXPECT_EQ(one("SELECT count(*) || '/' || count(DISTINCT datum) AS v FROM svatky"), "366/366");
    const QString columns = "SELECT group_concat(name) AS v FROM pragma_table_info(?)";
    EXPECT_EQ(one(columns, {"propridani"}), one(columns, {"program"}));
    // Only a leading select in any letter case returns rows.
    EXPECT_EQ(store.provedsql("SeLeCt 1 AS v").size(), 1u);
    EXPECT_TRUE(store.provedsql(" SELECT 1 AS v").empty());
    EXPECT_TRUE(store.provedsql("  ").empty());
    const QString insert = "INSERT INTO nastaveni (polozka, hodnota) VALUES (?, ?)";
    const QString select = "SELECT hodnota AS v FROM nastaveni WHERE polozka=?";
    const QString title = "Rock'n'roll \"naživo\" -- '; DROP TABLE program; --";
    for (int i = 0; i < 3; ++i)
        store.provedsql(insert, {QString("k%1").arg(i), QString(title + QString::number(i))});
    EXPECT_EQ(one(select, {"k2"}), QString(title + "2"));
    EXPECT_EQ(one(select, {"k0"}), QString(title + "0"));
    EXPECT_EQ(one(select, {"k9"}), "<no row>");
    EXPECT_THROW(store.provedsql(insert, {QVariant(), "bez klíče"}), SqlError); // NOT NULL
    EXPECT_NO_THROW(store.provedsql(insert, {"k3", "znovu"}));
    EXPECT_EQ(one(select, {"k3"}), "znovu");

    // A failing statement is reported with the engine's message and the statement, a full disk in
    // Czech; a text of two statements is refused as a whole rather than running the first only.
    const QString message = sqlError("SELEC * FROM program");
    EXPECT_TRUE(message.startsWith("Chyba sql: ") && message.contains("syntax error") &&
                message.endsWith("\r\nSQL dotaz: SELEC * FROM program"))
        << message.toStdString();
    EXPECT_NE(sqlError("DELETE FROM televize; DELETE FROM program"), "<no error>");
    EXPECT_EQ(sqlError("DELETE FROM televize;  "), "<no error>");
    store.provedsql("PRAGMA max_page_count=" +
                    one("SELECT page_count AS v FROM pragma_page_count()"));
    EXPECT_TRUE(
        sqlError("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                 "2000) INSERT INTO program (id, nazev) SELECT i, hex(zeroblob(200)) FROM n")
            .startsWith("Chyba sql: na disku není volné místo, údaje nelze uložit"));
    EXPECT_EQ(one("SELECT count(*) AS v FROM program"), "0");

    // A second connection sees what is committed.
    store::Store other;
    ASSERT_TRUE(other.otevridb(folder(), nullptr));
    EXPECT_EQ(other.provedsql(select, QVariantList{"k3"}).size(), 1u);
    store.zavridb();
    EXPECT_THROW(store.provedsql(select, {"k3"}), SqlError);
}

// What a writer commits under a checkpointer reaches the store's file itself, not only its log.
TEST_F(StoreFile, ACheckpointerCopiesTheCommittedTransactionsIntoTheFile)
{
    {
        store::Checkpointer checkpointer(store);
        for (int round = 0; round < 5; ++round) {
            store::Store::Transaction transaction(store);
            for (int i = 0; i < 200; ++i)
                addProgramme(round * 1000 + i, "ČT1", QDate(2026, 12, 7), 20, 0, 21, 0);
            transaction.commit();
            checkpointer.committed();
        }
    }
    QTemporaryDir copy;
    ASSERT_TRUE(QFile::copy(store.fileName(), copy.filePath("obz.db")));
    store::Store alone;
    ASSERT_TRUE(alone.otevridb(copy.path(), nullptr, store::Store::Access::ReadOnly));
    EXPECT_EQ(alone.provedsql("SELECT count(*) AS n FROM program").front().text(u"n"), "1000");
}

// A file that is no store, an empty one, and the store of a newer program: each is named and
// left as it was.
TEST_F(StoreFile, UnusableFilesAreReportedByNameAndLeftUntouched)
{
    store.provedsql("UPDATE schema_version SET version=99");
    store.zavridb();
    QFile newerFile(folder() + "/obz.db");
    ASSERT_TRUE(newerFile.open(QIODevice::ReadOnly));
    const std::pair<QByteArray, const char*> cases[] = {
        {"tohle není databáze, jen text\n", "nelze otevřít"},
        {"", "nelze otevřít"},
        {newerFile.readAll(), "novější verze"}};
    for (const auto& [content, reason] : cases) {
        QTemporaryDir dir;
        const QString path = dir.path() + "/obz.db";
        test::writeFile(path, content);
        store::Store store;
        QString error;
        EXPECT_FALSE(store.otevridb(dir.path(), &error));
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(reason))) << error.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), content);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"obz.db"});
    }
}

// Each expression with its value, in the Prague zone (25 October 2026 has 25 hours there and
// 29 March 2026 has 23; the broadcast day still counts as on the clock face) and with the
// program clock at 29 February 2028 23:59:58.
TEST_F(StoreFile, DialectFunctionsGiveTheirValues)
{
    const std::pair<const char*, const char*> cases[] = {
        // DateDiff counts minute boundaries, seconds dropped.
        {"DateDiff('n', '2026-12-04 19:54:59', '2026-12-04 19:55:00')", "1"},
        {"DateDiff('n', '2026-12-04 19:55:00', '2026-12-04 19:55:59')", "0"},
        {"DateDiff('n', '2026-12-04 19:55:59', '2026-12-04 19:54:00')", "-1"},
        {"DateDiff('n', '4.12.2026', '2026-12-04 20:15:00')", "1215"},
        {"DateDiff('s', '2026-12-04 19:54:59', '2026-12-04 19:55:01')", "2"},
        {"DateDiff('n', NULL, '2026-12-04')", "<null>"},
        {"DateDiff('n', '2026-10-25 00:00:00', '2026-10-26 00:00:00')", "1440"},
        {"DateAdd('h', 3, '2026-03-29')", "2026-03-29 03:00:00"},
        {"DateAdd('h', -48, '4.12.2026')", "2026-12-02 00:00:00"},
        {"DateValue(DateAdd('d', -14, '2026-12-04'))", "2026-11-20"},
        {"DateAdd('q', 1, '2026-12-04')", "<error>"},
        // Wrapped around, these would come to 44 seconds and 59:44 after the moment.
        {"DateAdd('n', 307445734561825861, '4.12.2026')", ""},
        {"DateAdd('h', 5124095576030432, '4.12.2026')", ""},
        {"DateValue('4.12.2026') || DateValue('29.2.2028') || DateValue('4. 12. 2026') || "
         "DateValue('2026-12-04 20:15:00')",
         "2026-12-042028-02-292026-12-042026-12-04"},
        {"coalesce(DateValue('29.2.2027'), DateValue('4.12.'), DateValue('zítra'))", "<null>"},
        {"Now()", "2028-02-29 23:59:58"},
        {"Day(Date()) || '.' || Month(Date()) || '.' || Year(Date())", "29.2.2028"},
        {"Instr('abcabc', 'c') || Instr(4, 'abcabc', 'c') || Instr(7, 'abcabc', 'c') || "
         "Instr('abc', 'x') || Instr(1, 'Zprávy', 'áv')",
         "36004"},
        {"lcase('ŽLUŤOUČKÝ KŮŇ') || '|' || Trim('  Česká televize  ')",
         "žluťoučký kůň|Česká televize"},
        {"CInt(2.5) || CInt(3.5) || CInt(-2.5)", "24-2"},
        {"CInt('07') || '/' || CInt('2.5') || '/' || CInt(' 96 ')", "7/2/96"},
        {"CInt('sedm')", "<error>"},
        {"CStr(12) || '/' || CStr(2.5) || '/' || (trim(CStr(15)) = trim(CStr(' 15 ')))",
         "12/2.5/1"},
        // ContainsText is Instr of the lower-cased join of the texts.
        {"ContainsText(LCase('ZPRÁVY'), 'Večerní zprávy', NULL) || ContainsText('ní zp', "
         "'Večer', 'NÍ ZPRÁVY') || ContainsText('x', NULL, NULL) || ContainsText('', NULL) || "
         "ContainsText(LCase('Šíp'), 'KAREL ŠÍP')",
         "11011"},
        // First takes the first row of each group.
        {"(WITH t(k, x) AS (VALUES ('a', 3), ('b', 5), ('a', 1), ('b', 2)) SELECT group_concat(k "
         "|| f) FROM (SELECT k, First(x) AS f FROM t GROUP BY k ORDER BY First(x)))",
         "a3,b5"},
    };
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Prague");
    tzset();
    store::Clock::setFixed(QDateTime(QDate(2028, 2, 29), QTime(23, 59, 58)));
    for (const auto& [expression, value] : cases)
        EXPECT_EQ(eval(expression), value) << expression;
    store::Clock::advance(2);
    EXPECT_EQ(eval("Date()"), "2028-03-01");
    qputenv("TZ", zone);
    tzset();
}

TEST_F(StoreFile, SettingsLeadMinutesKeepTheirRangeAndKeywordRulesLoseQuotes)
{
    const QString huge(400, '9'); // past the largest double
    const std::pair<QString, const char*> cases[] = {
        {"1000", "600"}, {"601", "600"}, {"600", "600"}, {"-3", "0"},    {"-40000", "0"},
        {"07", "7"},     {"2.5", "2"},   {"3,5", "4"},   {" 12 ", "12"}, {huge, "600"}};
    for (const auto& [typed, stored] : cases) {
        ASSERT_TRUE(settings.writeLeadMinutes(typed).has_value()) << typed.toStdString();
        EXPECT_EQ(settings.read(keys::upozornitMinutPredem), stored) << typed.toStdString();
        EXPECT_EQ(one("SELECT count(*) AS v FROM nastaveni WHERE polozka=?",
                      {keys::upozornitMinutPredem}),
                  "1");
    }
    settings.writeLeadMinutes("15");
    for (const QString typed : {"pět", "", "inf"}) {
        EXPECT_FALSE(settings.writeLeadMinutes(typed).has_value()) << typed.toStdString();
        EXPECT_EQ(settings.readLeadMinutes(), 15);
    }
    settings.remove(keys::upozornitMinutPredem);
    EXPECT_EQ(settings.readLeadMinutes(), 5);

    EXPECT_EQ(settings.readKeywordRule(3), (store::KeywordRule{"", true, false, false}));
    settings.write(keys::upozornitText(3), "film");
    EXPECT_EQ(settings.readKeywordRule(3), (store::KeywordRule{"film", false, false, false}));
    settings.write(keys::upozornitText(10), "sport;0;1");
    EXPECT_EQ(settings.readKeywordRule(10), (store::KeywordRule{"sport", false, true, false}));

    settings.writeKeywordRule(1, {"Pán \"prstenů\" d'Artagnan", true, false, true});
    EXPECT_EQ(settings.read("upozornit_text1"), "Pán prstenů dArtagnan;1;0;1");
}

TEST_F(StoreFile, SettingsFlagsReadTrueOnlyForTrueAndTheAccountKeepsEveryCharacter)
{
    const store::Account saved = settings.writeAccount("  jan.novak ", " it's \"my\" p&ss=wörd; ");
    const auto account = [this]() -> QString {
        return settings.readAccount().name + '|' + settings.readAccount().password;
    };
    EXPECT_EQ(QString(saved.name + '|' + saved.password), "jan.novak|it's \"my\" p&ss=wörd;");
    EXPECT_EQ(account(), QString(saved.name + '|' + saved.password));
    settings.removeAccount();
    EXPECT_EQ(account(), "|");
    // Keys are found trimmed.
    store.provedsql(
        "INSERT INTO nastaveni (polozka, hodnota) VALUES (' jmeno ', ' eva '), ('heslo', NULL)");
    EXPECT_EQ(account(), "eva|");

    EXPECT_FALSE(settings.readFlag(keys::vps));
    QString read;
    for (const char* value : {"TRUE", "true", "True", "1", "ano", "False"}) {
        settings.write(keys::vps, value);
        read += settings.readFlag(keys::vps) ? '1' : '0';
    }
    EXPECT_EQ(read, "111000");
    settings.writeFlag(keys::nestahovatObrazky, true);
    EXPECT_EQ(settings.read(keys::nestahovatObrazky), "True");

    EXPECT_TRUE(settings.downloadAllowed());
    settings.writeFlag(keys::povolenoStahovani, false);
    EXPECT_FALSE(settings.downloadAllowed());
}
