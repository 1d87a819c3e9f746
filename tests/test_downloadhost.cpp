#include "app/downloadhost.h"

#include <gtest/gtest.h>

using namespace obzorka;

namespace {

// Which ticks asked for a run and for a banner.
struct Ticks
{
    explicit Ticks(app::DownloadHost& host)
    {
        QObject::connect(&host, &app::DownloadHost::downloadDue, [&] { runs << host.ticks(); });
        QObject::connect(&host, &app::DownloadHost::bannerDue, [&] { banners << host.ticks(); });
    }
    QList<int> runs;
    QList<int> banners;
};

} // namespace

TEST(DownloadHost, DivisorPacesRunsAndTheBannerChangesEveryTenMinutes)
{
    app::DownloadHost host;
    Ticks ticks(host);
    for (int i = 0; i < 3; ++i)
        host.tick();
    EXPECT_EQ(ticks.runs, (QList<int>{1, 2, 3})); // divisor 1: every tick tries
    while (host.ticks() < 1000)
        host.tick();
    host.timer1div_pln = 4320; // a run at tick 1000 went through
    ticks.runs.clear();
    while (host.ticks() < 9000)
        host.tick();
    EXPECT_EQ(ticks.runs, (QList<int>{4320, 8640}));
    EXPECT_EQ(ticks.banners.size(), 9000 / 120);
    EXPECT_EQ(ticks.banners.front(), 120);
    EXPECT_EQ(ticks.banners.back(), 9000);
}

TEST(DownloadHost, CounterWrapsAfter99999AndTheWrapStartsARunAndABanner)
{
    app::DownloadHost host;
    host.timer1div_pln = 4320;
    while (host.ticks() < 99999)
        host.tick();
    Ticks ticks(host);
    host.tick();
    EXPECT_EQ(host.ticks(), 0);
    EXPECT_EQ(ticks.runs, (QList<int>{0}));
    EXPECT_EQ(ticks.banners, (QList<int>{0}));
    host.tick();
    EXPECT_EQ(host.ticks(), 1);
    EXPECT_EQ(ticks.runs.size(), 1);
}
