#include "store/clock.h"
#include "support/listings.h"
#include "support/teststore.h"
#include "sync/listingimport.h"

using namespace obzorka;
using namespace obzorka::sync;

namespace {

// Records as the server writes them, "~" standing for the field separator.
Records records(const QStringList& list)
{
    return parseRecords(list.join(QChar(19)).replace('~', QChar(18)));
}

// A plain record of ČT1 on 8 December 2026 from 20:15 to 21:50.
QString record(int id, const QString& title = "Pořad", const QString& obr = "",
               const QString& tvAndDay = "ČT1~8.12.2026")
{
    return QString("%1~%2~20~15~21~50~%3~~~A~~%4~~~F").arg(id).arg(tvAndDay, title, obr);
}

} // namespace

class Import : public test::StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        store::Clock::setFixed(QDateTime(QDate(2026, 12, 7), QTime(12, 0)));
        test::addStation(store, "ČT1", 1, 1);
        test::addStation(store, "Nova", 2, 3);
    }
    // Every column of the entries in the order of the table, the five flags together.
    QString entries()
    {
        return one(
            "SELECT group_concat(e, '\n') AS v FROM (SELECT id||'|'||tv||'|'||datum||'|'||"
            "hod1||'|'||min1||'|'||hod2||'|'||min2||'|'||nazev||'|'||info1||'|'||info2||'|'||"
            "stereo||titulky||dual||znak_rec||cb||'|'||showview||'|'||obr||'|'||obr2||'|'||"
            "link||'|'||typprg AS e FROM program ORDER BY id)");
    }
};

// Each field lands in its own column, as a new entry and as a change of a stored one (which
// keeps its black-and-white mark and nothing else). The flag letter counts from "A": stereo 1,
// subtitles 2, dual sound 4, sign language 8; "(cb)" or "(čb)" in the title or the short
// information is the black-and-white mark; "|" goes from every text.
TEST_F(Import, EveryFieldLandsInItsColumn)
{
    const QStringList sent{
        "4711~ Nova ~8.12.2026~20~15~21~50~Tit|ul (cb)~Kr|átce~Dlo|uze~J~12345~a.png~b.png~odkaz~K",
        "4712~ČT1~9.12.2026~6~5~7~40~Jiný (CB)~info~~K~~~~~S",
        "4713~ČT1~10.12.2026~24~30~25~45~Noc~Western (čb) /R/~~E~~~~~"};
    const QString stored =
        "4711|Nova|2026-12-08|20|15|21|50|Titul |Krátce|Dlouze|10011|12345|a.png|b.png|odkaz|K\n"
        "4712|ČT1|2026-12-09|6|5|7|40|Jiný (CB)|info||01010|||||S\n"
        "4713|ČT1|2026-12-10|24|30|25|45|Noc|Western  /R/||00101|||||";
    EXPECT_EQ(records(sent).skipped, 0);
    EXPECT_EQ(mergeListings(store, records(sent)).added, 3);
    EXPECT_EQ(entries(), stored);

    store.provedsql("DELETE FROM program");
    mergeListings(store, records({record(4711, "Starý (cb)"), record(4712, "Starý (cb)"),
                                  record(4713, "Starý (cb)")}));
    EXPECT_EQ(mergeChanges(store, records(sent)).changed, 3);
    QString changed = stored;
    changed.replace("||01010|", "||01011|"); // 4712 keeps its mark
    EXPECT_EQ(entries(), changed);
    // An entry already stored is never overwritten by a listing; a change of an unknown id
    // adds nothing.
    EXPECT_EQ(mergeListings(store, records({record(4712, "Nový")})).added, 0);
    EXPECT_EQ(mergeChanges(store, records({record(99)})).changed, 0);
    EXPECT_EQ(entries(), changed);
    // A text is kept to 4,096 characters, whatever the server sends.
    mergeListings(store, records({record(77, QString(5000, u'x'))}));
    EXPECT_EQ(one("SELECT length(nazev) AS v FROM program WHERE id=77"), "4096");
}

TEST_F(Import, RecordsThatCannotBeStoredAreSkippedAndCounted)
{
    // One field of a plain record replaced; fields 3 to 6 are the start hour and minute and the
    // end hour and minute, hours running on past midnight. Field 16 is one field too few.
    const std::tuple<int, const char*, bool> cases[] = {
        {16, "", false},         {0, "x1", false},        {10, "", false},
        {2, "zítra", false},     {2, "8.12", false},      {2, "1.-1.1900", false},
        {2, "1.13.9998", false}, {2, "29.12.9998", true}, {3, "0", true},
        {3, "47", true},         {3, "48", false},        {3, "-1", false},
        {4, "59", true},         {4, "60", false},        {4, "-1", false},
        {5, "48", true},         {5, "49", false},        {5, "-1", false},
        {6, "59", true},         {6, "60", false},        {6, "-1", false}};
    for (const auto& [field, value, kept] : cases) {
        QStringList fields = record(1).split('~');
        if (field == 16)
            fields.removeLast();
        else
            fields.replace(field, value);
        const Records parsed = records({"  ", fields.join('~')});
        EXPECT_EQ(QString("%1 %2").arg(parsed.rows.size()).arg(parsed.skipped),
                  kept ? "1 0" : "0 1")
            << field << value;
    }
    EXPECT_EQ(recordDay(u"31.2.2027"), QDate(2027, 3, 3)); // past the month's end rolls on
    // Far out of range, found by the fuzzing: no day (a build without sanitizers would not tell).
    for (const char16_t* day : {u"-9223372036854775808.1.2027", u"1.-9223372036854775808.2027",
                                u"1000001.1.2027", u"1.-1000001.2027"})
        EXPECT_FALSE(recordDay(day).isValid());
    EXPECT_EQ(recordDay(u"1000000.1.2027"), QDate(2027, 1, 1).addDays(999999));
    EXPECT_EQ(recordDay(u"1.-1000000.2027"), QDate(2027, 1, 1).addMonths(-1000001));
}

// Each station's last day follows the order of the records; entries 14 days old go; a
// repeated record is added once, and the illustration of each new entry queued once.
TEST_F(Import, LastDayPurgeAndImageQueue)
{
    addProgramme(1, "ČT1", QDate(2026, 11, 23), 20, 0, 21, 0);
    addProgramme(2, "ČT1", QDate(2026, 11, 24), 20, 0, 21, 0);
    const MergeResult result = mergeListings(
        store,
        records({record(3, "A", "a.png", "ČT1~4.12.2026"), record(3, "A", "a.png", "ČT1~4.12.2026"),
                 record(4, "B", "a.png", "ČT1~5.12.2026"), record(5, "C", "", "Nova~5.12.2026"),
                 record(6, "D", "", "Nova~4.12.2026")}));
    EXPECT_EQ(result.added, 4);
    EXPECT_EQ(one("SELECT group_concat(id) AS v FROM (SELECT id FROM program ORDER BY id)"),
              "2,3,4,5,6");
    EXPECT_EQ(one("SELECT count(*) AS v FROM obrpronacteni WHERE obr='a.png'"), "2");
    test::addStation(store, "Prima", 3, 4);
    EXPECT_EQ(poslParameter(store), "ČT1,5.12.2026;Nova,4.12.2026;");
}
