#include "reminders/keywords.h"
#include "reminders/scheduler.h"
#include "store/clock.h"
#include "support/listings.h"
#include "support/teststore.h"

using namespace obzorka;
using namespace obzorka::reminders;

namespace {

const QDate day(2026, 12, 6);

QDateTime at(int hour, int minute, int second = 0)
{
    return QDateTime(day, QTime(hour, minute, second));
}

class Reminders : public test::StoreTest
{
protected:
    QStringList marks(const char* which = "1=1")
    {
        QStringList ids;
        for (const store::Row& row : store.provedsql(
                 QStringLiteral("SELECT id, automat FROM upozornit WHERE %1 ORDER BY id")
                     .arg(QLatin1String(which))))
            ids << row.text(u"id") + (row.number(u"automat") ? "a" : "");
        return ids;
    }
    void entry(int id, const QString& nazev, const QString& info1 = {}, const QString& info2 = {},
               QDate on = day, int hod2 = 21, int min2 = 0)
    {
        test::Entry e;
        e.id = id;
        e.day = on;
        e.nazev = nazev;
        e.info1 = info1;
        e.info2 = info2;
        e.hod2 = hod2;
        e.min2 = min2;
        test::insert(store, e);
    }
};

} // namespace

TEST_F(Reminders, TheEarliestMarkOfAnExistingProgrammeComesNext)
{
    EXPECT_EQ(nextReminder(store), NextReminder{});
    EXPECT_FALSE(isDue(nextReminder(store), at(23, 59), 600));
    addProgramme(1, "ČT1", day, 21, 30, 22, 0);
    addProgramme(2, "ČT2", day, 20, 0, 21, 0);
    test::mark(store, 1);
    test::mark(store, 2);
    test::mark(store, 77); // its programme is gone
    EXPECT_EQ(nextReminder(store), (NextReminder{2, at(20, 0)}));
    store.provedsql("DELETE FROM upozornit WHERE id=2");
    EXPECT_EQ(nextReminder(store), (NextReminder{1, at(21, 30)}));
}

TEST_F(Reminders, DueAtTheMinuteBoundaryOfTheLead)
{
    const NextReminder next{5, at(20, 0)};
    EXPECT_FALSE(isDue(next, at(19, 54, 59), 5));
    EXPECT_TRUE(isDue(next, at(19, 55, 0), 5));
    EXPECT_TRUE(isDue(next, at(21, 0), 5)); // a start already passed stays due
    EXPECT_FALSE(isDue(next, at(19, 59, 59), 0));
    EXPECT_TRUE(isDue(next, at(20, 0, 0), 0));
    EXPECT_TRUE(isDue({5, QDateTime(day.addDays(-1), QTime(23, 0))}, at(0, 0), 600));
    // A download run uses 5 minutes and a strict test.
    EXPECT_FALSE(isDueDuringRun(next, at(19, 55, 59)));
    EXPECT_TRUE(isDueDuringRun(next, at(19, 56, 0)));
    EXPECT_FALSE(isDueDuringRun({}, at(23, 0)));
}

TEST_F(Reminders, KeywordsMarkMatchingProgrammesInAnyLetterCase)
{
    store::Clock::setFixed(at(12, 0));
    entry(1, "ŽLUŤOUČKÝ KŮŇ");
    entry(2, "Zprávy", "Počasí a žluťoučký kůň");
    entry(3, "Film", {}, "O'Brienův žluťoučký kůň");
    entry(4, "Jiný pořad");
    const QString word = QStringLiteral("  žluťoučký ");
    nastavautoupozorneni(store, {{word, true, false, false}});
    EXPECT_EQ(marks(), (QStringList{"1a"}));
    nastavautoupozorneni(store, {{word, false, true, true}, {"o'brienův", true, true, true}});
    EXPECT_EQ(marks(), (QStringList{"2a", "3a"}));
    // A row without a ticked box, or with a blank word, adds nothing.
    nastavautoupozorneni(store, {{word, false, false, false}, {"   ", true, true, true}});
    EXPECT_EQ(marks(), QStringList{});
}

TEST_F(Reminders, RecomputeKeepsTheUsersMarksAndReplacesItsOwn)
{
    store::Clock::setFixed(at(12, 0));
    entry(1, "Sportovní noviny");
    entry(2, "Sport v regionech");
    entry(3, "Zprávy");
    test::mark(store, 2); // the user's own
    store.provedsql("INSERT INTO upozornit (id, automat) VALUES (3, 1)");
    nastavautoupozorneni(store, {{"sport", true, false, false}});
    EXPECT_EQ(marks(), (QStringList{"1a", "2"}));
    nastavautoupozorneni(store, QList<store::KeywordRule>(keywordRowCount)); // every box empty
    EXPECT_EQ(marks(), (QStringList{"2"}));
}

TEST_F(Reminders, OnlyProgrammesEndingWithinTheNextTwelveDaysAreMarked)
{
    store::Clock::setFixed(at(12, 0));
    entry(1, "Sport", {}, {}, day, 11, 59);             // ended a minute ago
    entry(2, "Sport", {}, {}, day, 12, 0);              // ends now
    entry(3, "Sport", {}, {}, day.addDays(12), 12, 0);  // ends in exactly 12 days
    entry(4, "Sport", {}, {}, day.addDays(12), 12, 1);  // a minute later
    entry(5, "Sport", {}, {}, day.addDays(-1), 36, 30); // after midnight, still running
    nastavautoupozorneni(store, {{"sport", true, false, false}});
    EXPECT_EQ(marks(), (QStringList{"2a", "3a", "5a"}));
}

TEST(Keyword, SemicolonsGoBlanksAreTrimmedAndShortWordsAreRefused)
{
    EXPECT_EQ(cleanKeyword("  sp;or;t  ").text, "sport");
    EXPECT_FALSE(cleanKeyword("  sp;or;t  ").tooShort);
    EXPECT_TRUE(cleanKeyword(" kůň ").tooShort);
    EXPECT_EQ(cleanKeyword(" kůň ").text, "");
    EXPECT_FALSE(cleanKeyword(" ;; ").tooShort);
    EXPECT_FALSE(cleanKeyword("koně").tooShort);
}
