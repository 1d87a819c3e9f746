#include "app/downloadhost.h"

#include <gtest/gtest.h>

using namespace obzorka;

TEST(DownloadHost, TheDivisorPacesRunsAndTheBannerChangesEveryTenMinutes)
{
    // The ticks at which the host asked for a run and for a banner, since the last `tick`.
    app::DownloadHost host;
    QList<int> runs, banners;
    QObject::connect(&host, &app::DownloadHost::downloadDue, [&] { runs << host.ticks(); });
    QObject::connect(&host, &app::DownloadHost::bannerDue, [&] { banners << host.ticks(); });
    const auto tick = [&](int times) {
        runs.clear();
        banners.clear();
        for (int i = 0; i < times; ++i)
            host.tick();
    };
    tick(3);
    EXPECT_EQ(runs, (QList<int>{1, 2, 3})); // divisor 1: every tick tries
    host.timer1div_pln = 4320;              // a run at tick 3 went through
    tick(9000 - 3);
    EXPECT_EQ(runs, (QList<int>{4320, 8640}));
    EXPECT_EQ(banners.size(), 9000 / 120);
    EXPECT_EQ(banners.front(), 120);
    EXPECT_EQ(banners.back(), 9000);

    // The count wraps after 99999, and the wrap is a tick that asks for both.
    tick(99999 - 9000);
    EXPECT_EQ(host.ticks(), 99999);
    tick(2);
    EXPECT_EQ(host.ticks(), 1);
    EXPECT_EQ(runs, (QList<int>{0}));
    EXPECT_EQ(banners, (QList<int>{0}));
}
