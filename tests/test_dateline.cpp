#include "extras/banner.h"
#include "extras/dateline.h"
#include "pages/chooseritems.h"
#include "store/clock.h"
#include "support/teststore.h"

#include <QMap>

using namespace obzorka;
namespace items = pages::chooseritems;
using namespace obzorka::extras;

class DateLine : public test::StoreTest
{
protected:
    void add(const QString& id, const QString& lastDay)
    {
        store.provedsql("INSERT INTO reklama (rekl_id, datumdo) VALUES (?, ?)", {id, lastDay});
    }
    QString both()
    {
        return extras::nameDayAtStartup(store) + '|' + extras::nameDayAtDayChange(store);
    }
};

TEST_F(DateLine, NamesTheDayAndItsNameDayByBothLookups)
{
    store::Clock::setFixed(QDateTime(QDate(2026, 12, 24), QTime(10, 0)));
    EXPECT_EQ(both(), "Adam a Eva|Adam a Eva");
    store::Clock::setFixed(QDateTime(QDate(2028, 2, 29), QTime(0, 0, 1)));
    const QString leap = one("SELECT jmeno AS v FROM svatky WHERE datum='29.2.'");
    EXPECT_EQ(both(), QString(leap + '|' + leap));
    // Leading zeros are found only by the day change lookup; a missing day names no one.
    store::Clock::setFixed(QDateTime(QDate(2026, 12, 4), QTime(12, 0)));
    store.provedsql("UPDATE svatky SET datum='04.12.' WHERE datum='4.12.'");
    EXPECT_EQ(both(), "|" + one("SELECT jmeno AS v FROM svatky WHERE datum='04.12.'"));
    store.provedsql("DELETE FROM svatky WHERE datum='04.12.'");
    EXPECT_EQ(extras::dateLine(store::Clock::today(), extras::nameDayAtStartup(store)),
              "Dnes je pátek 4.12.2026.\r\nSvátek má .");
}

// Day names are lower case in the line and capitalised in the choosers; the day lists run
// from yesterday's night programmes, or from any time, to twelve days ahead; the time lists
// tell the night hours by a leading blank.
TEST(Choosers, DaysTimesAndChoosingADay)
{
    const QDate today(2026, 12, 7);
    EXPECT_EQ(extras::nazevdne(today) + ' ' + extras::nazevdne(today.addDays(6)), "pondělí neděle");
    const QStringList grid = items::gridDays(today), search = items::searchDays(today);
    EXPECT_EQ(QString("%1 %2").arg(grid.size()).arg(search.size()), "14 14");
    EXPECT_EQ(QStringList({grid.first(), grid.at(1), grid.last(), search.first(), search.at(1)}),
              QStringList({"Noční_pořady-Neděle 6.12.2026", "Pondělí 7.12.2026",
                           "Sobota 19.12.2026", "Kdykoliv", "Pondělí 7.12.2026"}));
    EXPECT_EQ(items::dateOfItem(grid.first()), QDate(2026, 12, 6));
    EXPECT_EQ(items::dateOfItem(search.first()), std::nullopt);
    const QStringList from = items::fromTimes(), to = items::toTimes();
    EXPECT_EQ(QString("%1 %2").arg(from.size()).arg(to.size()), "23 28");
    EXPECT_EQ(from.mid(0, 3) + from.mid(17, 2) + from.mid(21) + to.mid(26),
              QStringList({"Teď", "Začátku", "8:00", "23:00", " 0:00", " 3:00", "Konce", " 8:00",
                           "Konce"}));

    // The day shown before (from today), the day chosen, the window start shown before, and the
    // day and window after.
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {0, "Úterý 8.12.2026", "Teď", "8.12. Začátku-22:00"},
        {1, "Pondělí 7.12.2026", "Začátku", "7.12. Teď-22:00"},
        {0, "Pondělí 7.12.2026", "20:00", "7.12. 20:00-22:00"},
        {0, "Noční_pořady-Neděle 6.12.2026", "Teď", "6.12.  0:00-Konce"},
        // Back from the night programmes the window starts now again.
        {-1, "Pondělí 7.12.2026", " 0:00", "7.12. Teď-22:00"},
        {-1, "Středa 9.12.2026", " 0:00", "9.12. Začátku-22:00"},
    };
    for (const auto& [previous, item, start, chosen] : cases) {
        const items::DayChoice choice =
            items::chooseDay(today.addDays(previous), item, today, start, "22:00");
        EXPECT_EQ(QString(choice.day.toString("d.M.") + ' ' + choice.from + '-' + choice.to),
                  chosen)
            << item;
    }
}

// A banner is shown up to and including its last day, each active one as often as another.
TEST_F(DateLine, BannerActiveBannersHaveTheSameChance)
{
    store::Clock::setFixed(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    EXPECT_EQ(chooseBanner(store), "0");
    add("vcera", "5.12.2026");
    add("pokazene", "brzy");
    EXPECT_EQ(chooseBanner(store), "0");
    add("a", "6.12.2026");
    add("b", "2027-01-01");
    add("c", "31.12.2026");
    QMap<QString, int> drawn;
    for (int i = 0; i < 10000; ++i)
        ++drawn[chooseBanner(store)];
    EXPECT_EQ(drawn.keys(), (QStringList{"a", "b", "c"}));
    for (const int count : drawn)
        EXPECT_NEAR(count, 10000 / 3, 10000 / 3 * 5 / 100);
}

TEST(BannerPage, PictureLinksToTheBannersPageAndAClickOpensOnlyThat)
{
    const QString page = bannerPage("/data/O'Neil & syn/bmp", "demo1");
    EXPECT_TRUE(
        page.contains("<A HREF='file:///data/O%27Neil%20&amp;%20syn/bmp/banner/demo1/index.html' "
                      "TARGET='_new'>"));
    const QString bmp = "/data/bmp";
    EXPECT_TRUE(isBannerLink(bmp, "file:///data/bmp/banner/demo1/index.html"));
    for (const char* other : {"file:///data/bmp/banner/../../obz.db", "file:///data/bmp/x.html",
                              "http://example.com/", "mailto:a@b.cz", "zpet.htm", ""})
        EXPECT_FALSE(isBannerLink(bmp, other)) << other;
}
