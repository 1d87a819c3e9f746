#include "store/clock.h"
#include "support/listings.h"
#include "support/teststore.h"
#include "sync/listingimport.h"

using namespace obzorka;
using namespace obzorka::sync;

namespace {

// One record as the server writes it.
QString record(qint64 id, const QString& tv, const QString& day, const QString& title = "Pořad",
               const QString& flag = "A", const QString& info1 = "", const QString& obr = "")
{
    const QStringList fields{QString::number(id),
                             tv,
                             day,
                             "20",
                             "0",
                             "21",
                             "0",
                             title,
                             info1,
                             "",
                             flag,
                             "",
                             obr,
                             "",
                             "",
                             "F"};
    return fields.join(QChar(18));
}

QString body(const QStringList& records)
{
    return records.join(QChar(19));
}

} // namespace

class Import : public test::StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        store::Clock::setFixed(QDateTime(today, QTime(12, 0)));
        test::addStation(store, "ČT1", 1, 1);
        test::addStation(store, "Nova", 2, 3);
    }
    QString column(int id, const char* name)
    {
        return one(QString("SELECT %1 AS v FROM program WHERE id=?").arg(name), {id});
    }
    const QDate today{2026, 12, 7};
};

TEST_F(Import, FieldsFlagsAndTheBlackAndWhiteMarker)
{
    const Records records = parseRecords(
        body({record(1, " ČT1 ", "8.12.2026", "Limonádový Joe (cb)", "C", "Western (čb) /R/"),
              record(2, "ČT1", "8.12.2026", "Starci na chmelu (CB)", "P"),
              record(3, "Nova", "8.12.2026", "Rock'n'roll | živě", "B", "A | B")}));
    EXPECT_EQ(records.skipped, 0);
    mergeListings(store, records);
    EXPECT_EQ(column(1, "nazev"), "Limonádový Joe ");
    EXPECT_EQ(column(1, "info1"), "Western  /R/");
    EXPECT_EQ(column(1, "cb"), "1");
    EXPECT_EQ(column(1, "stereo") + column(1, "titulky"), "01");
    EXPECT_EQ(column(1, "tv"), "ČT1");
    EXPECT_EQ(column(1, "datum"), "2026-12-08");
    EXPECT_EQ(column(2, "cb"), "0");
    EXPECT_EQ(column(2, "stereo") + column(2, "titulky") + column(2, "dual") +
                  column(2, "znak_rec"),
              "1111");
    EXPECT_EQ(column(3, "nazev"), "Rock'n'roll  živě");
    EXPECT_EQ(column(3, "info1"), "A  B");
}

TEST_F(Import, RecordsThatCannotBeStoredAreSkippedAndCounted)
{
    // One field of a plain record replaced; fields 3 to 6 are the start hour and minute and the
    // end hour and minute, hours running on past midnight. Field 16 is one field too few.
    const struct
    {
        int field;
        const char* value;
        bool kept;
    } cases[] = {{16, "", false},         {0, "x1", false},        {10, "", false},
                 {2, "zítra", false},     {2, "8.12", false},      {2, "1.-1.1900", false},
                 {2, "1.13.9998", false}, {2, "29.12.9998", true}, {3, "0", true},
                 {3, "47", true},         {3, "48", false},        {3, "-1", false},
                 {4, "59", true},         {4, "60", false},        {4, "-1", false},
                 {5, "48", true},         {5, "49", false},        {5, "-1", false},
                 {6, "59", true},         {6, "60", false},        {6, "-1", false}};
    for (const auto& [field, value, kept] : cases) {
        QStringList fields = record(1, "ČT1", "8.12.2026").split(QChar(18));
        if (field == 16)
            fields.removeLast();
        else
            fields.replace(field, value);
        const Records records = parseRecords(body({"  ", fields.join(QChar(18))}));
        EXPECT_EQ(records.rows.size(), kept ? 1 : 0) << field << " " << value;
        EXPECT_EQ(records.skipped, kept ? 0 : 1) << field << " " << value;
    }
    EXPECT_EQ(recordDay(u"31.2.2027"), QDate(2027, 3, 3)); // past the month's end rolls on
}

TEST_F(Import, StoredEntriesStayAndChangesReplaceAllButIdAndCb)
{
    mergeListings(store, parseRecords(body({record(1, "ČT1", "8.12.2026", "Film (cb)")})));
    const MergeResult again =
        mergeListings(store, parseRecords(body({record(1, "Nova", "9.12.2026", "Jiný")})));
    EXPECT_EQ(again.added, 0);
    EXPECT_EQ(column(1, "nazev"), "Film ");
    const MergeResult changed =
        mergeChanges(store, parseRecords(body({record(1, "Nova", "9.12.2026", "Jiný", "B"),
                                               record(99, "Nova", "9.12.2026")})));
    EXPECT_EQ(changed.changed, 1);
    EXPECT_EQ(column(1, "nazev"), "Jiný");
    EXPECT_EQ(column(1, "tv"), "Nova");
    EXPECT_EQ(column(1, "stereo"), "1");
    EXPECT_EQ(column(1, "cb"), "1");
    EXPECT_EQ(column(99, "nazev"), "<no row>");
}

TEST_F(Import, LastDayFollowsTheOrderOfTheRecords)
{
    mergeListings(store, parseRecords(body(
                             {record(1, "ČT1", "4.12.2026"), record(2, "ČT1", "5.12.2026"),
                              record(3, "Nova", "5.12.2026"), record(4, "Nova", "4.12.2026")})));
    EXPECT_EQ(one("SELECT posl_datum AS v FROM televize WHERE tv='ČT1'"), "5.12.2026");
    EXPECT_EQ(one("SELECT posl_datum AS v FROM televize WHERE tv='Nova'"), "4.12.2026");
    test::addStation(store, "Prima", 3, 4);
    EXPECT_EQ(poslParameter(store), "ČT1,5.12.2026;Nova,4.12.2026;");
}

TEST_F(Import, EntriesFourteenDaysOldArePurged)
{
    test::insert(store, {.id = 1, .day = today.addDays(-14)});
    test::insert(store, {.id = 2, .day = today.addDays(-13)});
    mergeListings(store, parseRecords(body({record(3, "ČT1", "8.12.2026")})));
    EXPECT_EQ(column(1, "id"), "<no row>");
    EXPECT_EQ(column(2, "id"), "2");
}

TEST_F(Import, ImagesAreQueuedAndARepeatedRecordAddsOnce)
{
    const MergeResult result = mergeListings(
        store, parseRecords(body({record(1, "ČT1", "8.12.2026", "A", "A", "", "a.png"),
                                  record(1, "ČT1", "8.12.2026", "A", "A", "", "a.png"),
                                  record(2, "ČT1", "8.12.2026", "B", "A", "", "a.png")})));
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(one("SELECT count(*) AS v FROM program"), "2");
    EXPECT_EQ(one("SELECT count(*) AS v FROM obrpronacteni WHERE obr='a.png'"), "3");
}
