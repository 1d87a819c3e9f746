#include "reminders/marks.h"
#include "store/clock.h"
#include "support/teststore.h"

using namespace obzorka;

class EndedMarks : public test::StoreTest
{
};

TEST_F(EndedMarks, OnlyMarksOfProgrammesEndedBeforeThisMinuteGo)
{
    store::Clock::setFixed(QDateTime(QDate(2026, 12, 5), QTime(0, 30, 40)));
    const QDate day(2026, 12, 4);
    addProgramme(1, "ČT1", day, 23, 0, 24, 29); // ended a minute ago
    addProgramme(2, "ČT1", day, 23, 0, 24, 30); // ends within this minute
    addProgramme(3, "ČT2", day, 24, 0, 25, 0);  // still running
    addProgramme(4, "ČT2", day, 10, 0, 11, 0);  // unmarked
    store.provedsql("INSERT INTO upozornit (id, automat) VALUES (1, 0), (2, 0), (3, 1), (99, 0)");
    reminders::purgeEndedMarks(store);
    QStringList left;
    for (const store::Row& row : store.provedsql("SELECT id FROM upozornit ORDER BY id"))
        left << row.text(u"id");
    EXPECT_EQ(left, (QStringList{"2", "3", "99"}));
}

TEST_F(EndedMarks, AMinuteBoundaryCountsEvenAtItsFirstSecond)
{
    store::Clock::setFixed(QDateTime(QDate(2026, 12, 4), QTime(21, 1, 0)));
    addProgramme(1, "ČT1", QDate(2026, 12, 4), 20, 0, 21, 0);
    addProgramme(2, "ČT1", QDate(2026, 12, 4), 20, 0, 21, 1);
    store.provedsql("INSERT INTO upozornit (id) VALUES (1), (2)");
    reminders::purgeEndedMarks(store);
    EXPECT_EQ(store.provedsql("SELECT id FROM upozornit").size(), 1u);
    EXPECT_EQ(one("SELECT id AS v FROM upozornit"), "2");
}
