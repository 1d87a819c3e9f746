#include "store/clock.h"
#include "support/teststore.h"

#include <ctime>

using namespace obzorka;
using obzorka::test::SqlError;

class Dialect : public test::StoreTest
{
protected:
    QString eval(const QString& expression)
    {
        return one(QStringLiteral("SELECT ") + expression + QStringLiteral(" AS v"));
    }
};

TEST_F(Dialect, DateDiffCountsMinuteBoundariesWithSecondsDropped)
{
    EXPECT_EQ(eval("DateDiff('n', '2026-12-04 19:54:59', '2026-12-04 19:55:00')"), "1");
    EXPECT_EQ(eval("DateDiff('n', '2026-12-04 19:55:00', '2026-12-04 19:55:59')"), "0");
    EXPECT_EQ(eval("DateDiff('n', '2026-12-04 19:55:59', '2026-12-04 19:54:00')"), "-1");
    EXPECT_EQ(eval("DateDiff('n', '2026-12-04 23:59:30', '2026-12-05 00:00:10')"), "1");
    EXPECT_EQ(eval("DateDiff('n', '4.12.2026', '2026-12-04 20:15:00')"), "1215");
    EXPECT_EQ(eval("DateDiff('s', '2026-12-04 19:54:59', '2026-12-04 19:55:01')"), "2");
    EXPECT_EQ(eval("DateDiff('n', NULL, '2026-12-04')"), "<null>");
}

TEST_F(Dialect, DateArithmeticIgnoresDaylightSavingJumps)
{
    // 25 October 2026 has 25 hours in Prague and 29 March 2026 has 23; the broadcast day and
    // its hours still count as on the clock face.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Prague");
    tzset();
    EXPECT_EQ(eval("DateDiff('n', '2026-10-25 00:00:00', '2026-10-26 00:00:00')"), "1440");
    EXPECT_EQ(eval("DateAdd('h', 3, '2026-03-29')"), "2026-03-29 03:00:00");
    EXPECT_EQ(eval("DateAdd('n', 150, '2026-03-29 01:00:00')"), "2026-03-29 03:30:00");
    qputenv("TZ", zone);
    tzset();
}

TEST_F(Dialect, DateValueReadsDayTextAndIsoAndRefusesImpossibleDays)
{
    EXPECT_EQ(eval("DateValue('4.12.2026')"), "2026-12-04");
    EXPECT_EQ(eval("DateValue('29.2.2028')"), "2028-02-29");
    EXPECT_EQ(eval("DateValue('4. 12. 2026')"), "2026-12-04");
    EXPECT_EQ(eval("DateValue('2026-12-04 20:15:00')"), "2026-12-04");
    EXPECT_EQ(eval("DateValue('29.2.2027')"), "<null>");
    EXPECT_EQ(eval("DateValue('4.12.')"), "<null>");
    EXPECT_EQ(eval("DateValue('zítra')"), "<null>");
}

TEST_F(Dialect, DateAddGivesAMomentAndAcceptsNegativeAmounts)
{
    EXPECT_EQ(eval("DateAdd('n', 90, '2026-12-04')"), "2026-12-04 01:30:00");
    EXPECT_EQ(eval("DateAdd('h', 25, DateValue('4.12.2026'))"), "2026-12-05 01:00:00");
    EXPECT_EQ(eval("DateValue(DateAdd('d', -14, '2026-12-04'))"), "2026-11-20");
    EXPECT_THROW(eval("DateAdd('q', 1, '2026-12-04')"), SqlError);
}

TEST_F(Dialect, NowAndDateComeFromTheProgramClock)
{
    store::Clock::setFixed(QDateTime(QDate(2028, 2, 29), QTime(23, 59, 58)));
    EXPECT_EQ(eval("Now()"), "2028-02-29 23:59:58");
    EXPECT_EQ(eval("Date()"), "2028-02-29");
    EXPECT_EQ(eval("Day(Date()) || '.' || Month(Date()) || '.' || Year(Date())"), "29.2.2028");
    store::Clock::advance(2);
    EXPECT_EQ(eval("Date()"), "2028-03-01");
}

TEST_F(Dialect, InstrWithTwoAndThreeArguments)
{
    EXPECT_EQ(eval("Instr('abcabc', 'c')"), "3");
    EXPECT_EQ(eval("Instr(4, 'abcabc', 'c')"), "6");
    EXPECT_EQ(eval("Instr(7, 'abcabc', 'c')"), "0");
    EXPECT_EQ(eval("Instr('abc', 'x')"), "0");
    EXPECT_EQ(eval("Instr(1, 'Zprávy', 'áv')"), "4");
}

TEST_F(Dialect, LCaseAndTrimHandleCzechLetters)
{
    EXPECT_EQ(eval("LCase('ZPRÁVY')"), "zprávy");
    EXPECT_EQ(eval("lcase('ŽLUŤOUČKÝ KŮŇ')"), "žluťoučký kůň");
    EXPECT_EQ(eval("Trim('  Česká televize  ')"), "Česká televize");
    EXPECT_EQ(eval("trim(lcase(' ČT1 ')) = trim(lcase('čt1'))"), "1");
}

TEST_F(Dialect, CIntRoundsHalvesToEvenAndCStrWritesNumbers)
{
    EXPECT_EQ(eval("CInt(2.5)"), "2");
    EXPECT_EQ(eval("CInt(3.5)"), "4");
    EXPECT_EQ(eval("CInt(-2.5)"), "-2");
    EXPECT_EQ(eval("CInt('07')"), "7");
    EXPECT_EQ(eval("CInt('2.5')"), "2");
    EXPECT_EQ(eval("CInt(' 96 ')"), "96");
    EXPECT_THROW(eval("CInt('sedm')"), SqlError);
    EXPECT_EQ(eval("CStr(12)"), "12");
    EXPECT_EQ(eval("CStr(2.5)"), "2.5");
    EXPECT_EQ(eval("trim(CStr(15)) = trim(CStr(' 15 '))"), "1");
}

TEST_F(Dialect, FirstTakesTheFirstRowOfEachGroup)
{
    store.provedsql("CREATE TABLE t (k TEXT, x INTEGER)");
    for (const auto& [k, x] :
         std::vector<std::pair<QString, int>>{{"a", 3}, {"b", 5}, {"a", 1}, {"b", 2}})
        store.provedsql("INSERT INTO t VALUES (?, ?)", {k, x});
    const store::Rows rows =
        store.provedsql("SELECT k, First(x) AS v FROM t GROUP BY k ORDER BY First(x)");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text(u"k"), "a");
    EXPECT_EQ(rows[0].number(u"v"), 3);
    EXPECT_EQ(rows[1].text(u"k"), "b");
    EXPECT_EQ(rows[1].number(u"v"), 5);
}

TEST_F(Dialect, ContainsTextIsInstrOfTheLowerCasedJoin)
{
    EXPECT_EQ(eval("ContainsText(LCase('ZPRÁVY'), 'Večerní zprávy', NULL)"), "1");
    EXPECT_EQ(eval("ContainsText('ní zp', 'Večer', 'NÍ ZPRÁVY')"), "1"); // across the join
    EXPECT_EQ(eval("ContainsText('x', NULL, NULL)"), "0");
    EXPECT_EQ(eval("ContainsText('', NULL)"), "1");
    EXPECT_EQ(eval("ContainsText(LCase('Šíp'), 'KAREL ŠÍP')"),
              eval("Instr(LCase('KAREL ŠÍP'), LCase('Šíp'))>0"));
}
