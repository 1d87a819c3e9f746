#include "extras/dateline.h"
#include "pages/chooseritems.h"
#include "store/clock.h"
#include "support/teststore.h"

using namespace obzorka;

class DateLine : public test::StoreTest
{
};

TEST_F(DateLine, NamesTheDayAndItsNameDay)
{
    store::Clock::setFixed(QDateTime(QDate(2026, 12, 24), QTime(10, 0)));
    EXPECT_EQ(extras::nameDayAtStartup(store), "Adam a Eva");
    EXPECT_EQ(extras::nameDayAtDayChange(store), "Adam a Eva");
    EXPECT_EQ(extras::dateLine(store::Clock::today(), extras::nameDayAtStartup(store)),
              "Dnes je čtvrtek 24.12.2026.\r\nSvátek má Adam a Eva.");
}

TEST_F(DateLine, LeapDayIsFoundByBothLookups)
{
    store::Clock::setFixed(QDateTime(QDate(2028, 2, 29), QTime(0, 0, 1)));
    const QString stored = one("SELECT jmeno AS v FROM svatky WHERE datum='29.2.'");
    EXPECT_EQ(extras::nameDayAtStartup(store), stored);
    EXPECT_EQ(extras::nameDayAtDayChange(store), stored);
}

TEST_F(DateLine, MissingDayLeavesTheNameEmpty)
{
    store::Clock::setFixed(QDateTime(QDate(2026, 12, 4), QTime(12, 0)));
    store.provedsql("DELETE FROM svatky WHERE datum='4.12.'");
    EXPECT_EQ(extras::dateLine(store::Clock::today(), extras::nameDayAtStartup(store)),
              "Dnes je pátek 4.12.2026.\r\nSvátek má .");
}

TEST_F(DateLine, LeadingZerosAreFoundOnlyByTheDayChangeLookup)
{
    store::Clock::setFixed(QDateTime(QDate(2026, 12, 4), QTime(12, 0)));
    store.provedsql("UPDATE svatky SET datum='04.12.' WHERE datum='4.12.'");
    EXPECT_EQ(extras::nameDayAtStartup(store), "");
    EXPECT_FALSE(extras::nameDayAtDayChange(store).isEmpty());
}

TEST(DayNames, LowerInTheLineCapitalisedInTheChoosers)
{
    const QDate monday(2026, 12, 7);
    const QStringList expected{"pondělí", "úterý",  "středa", "čtvrtek",
                               "pátek",   "sobota", "neděle"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(extras::nazevdne(monday.addDays(i)), expected.at(i));
    EXPECT_EQ(pages::chooseritems::dateItem(QDate(2026, 12, 10)), "Čtvrtek 10.12.2026");
}

TEST(Choosers, DayListsRunFromYesterdayAndTodayToTwelveDaysAhead)
{
    const QDate today(2026, 12, 7);
    const QStringList grid = pages::chooseritems::gridDays(today);
    ASSERT_EQ(grid.size(), 14);
    EXPECT_EQ(grid.first(), "Noční_pořady-Neděle 6.12.2026");
    EXPECT_EQ(grid.at(1), "Pondělí 7.12.2026");
    EXPECT_EQ(grid.last(), "Sobota 19.12.2026");
    EXPECT_EQ(pages::chooseritems::dateOfItem(grid.first()), QDate(2026, 12, 6));

    const QStringList search = pages::chooseritems::searchDays(today);
    ASSERT_EQ(search.size(), 14);
    EXPECT_EQ(search.first(), "Kdykoliv");
    EXPECT_EQ(search.at(1), "Pondělí 7.12.2026");
    EXPECT_EQ(pages::chooseritems::dateOfItem(search.first()), std::nullopt);
}

TEST(Choosers, TimeListsTellNightHoursByALeadingBlank)
{
    const QStringList from = pages::chooseritems::fromTimes();
    ASSERT_EQ(from.size(), 23);
    EXPECT_EQ(from.mid(0, 3), (QStringList{"Teď", "Začátku", "8:00"}));
    EXPECT_EQ(from.mid(17), (QStringList{"23:00", " 0:00", " 1:00", " 2:00", " 3:00", "Konce"}));
    const QStringList to = pages::chooseritems::toTimes();
    ASSERT_EQ(to.size(), 28);
    EXPECT_EQ(to.at(26), " 8:00");
    EXPECT_EQ(to.last(), "Konce");
    EXPECT_EQ(pages::chooseritems::programmeTypes().join(','),
              "Vše,Dokumenty,Filmy,Dětem,Seriály,Sport,Zábava,Zprávy");
    EXPECT_EQ(pages::chooseritems::stationGroups().size(), 9);
}

TEST(Choosers, ChoosingADaySwitchesTheWindowStart)
{
    const QDate today(2026, 12, 7);
    const auto choose = [&](QDate previous, const QString& item, const QString& from) -> QString {
        const pages::chooseritems::DayChoice choice =
            pages::chooseritems::chooseDay(previous, item, today, from, "22:00");
        return choice.day.toString("d.M.") + ' ' + choice.from + '-' + choice.to;
    };
    EXPECT_EQ(choose(today, "Úterý 8.12.2026", "Teď"), "8.12. Začátku-22:00");
    EXPECT_EQ(choose(today.addDays(1), "Pondělí 7.12.2026", "Začátku"), "7.12. Teď-22:00");
    EXPECT_EQ(choose(today, "Pondělí 7.12.2026", "20:00"), "7.12. 20:00-22:00");
    EXPECT_EQ(choose(today, "Noční_pořady-Neděle 6.12.2026", "Teď"), "6.12.  0:00-Konce");
    // Back from the night programmes the window starts now again.
    EXPECT_EQ(choose(today.addDays(-1), "Pondělí 7.12.2026", " 0:00"), "7.12. Teď-22:00");
    EXPECT_EQ(choose(today.addDays(-1), "Středa 9.12.2026", " 0:00"), "9.12. Začátku-22:00");
}
