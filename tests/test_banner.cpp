#include "extras/banner.h"
#include "store/clock.h"
#include "support/teststore.h"

#include <QMap>

using namespace obzorka;
using namespace obzorka::extras;

namespace {

class Banner : public test::StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        store::Clock::setFixed(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    }
    void add(const QString& id, const QString& lastDay)
    {
        store.provedsql("INSERT INTO reklama (rekl_id, datumdo) VALUES (?, ?)", {id, lastDay});
    }
};

} // namespace

TEST_F(Banner, ABannerIsShownUpToAndIncludingItsLastDay)
{
    EXPECT_EQ(chooseBanner(store), "0");
    add("vcera", "5.12.2026");
    add("pokazene", "brzy");
    EXPECT_EQ(chooseBanner(store), "0");
    add("dnes", "6.12.2026");
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(chooseBanner(store), "dnes");
}

TEST_F(Banner, EveryActiveBannerHasTheSameChance)
{
    add("a", "7.12.2026");
    add("b", "2027-01-01");
    add("c", "31.12.2026");
    add("stary", "1.12.2026");
    QMap<QString, int> drawn;
    for (int i = 0; i < 10000; ++i)
        ++drawn[chooseBanner(store)];
    EXPECT_EQ(drawn.keys(), (QStringList{"a", "b", "c"}));
    for (const int count : drawn)
        EXPECT_NEAR(count, 10000 / 3, 10000 / 3 * 5 / 100);
}

TEST(BannerPage, PictureLinksToTheBannersPageInItsFolder)
{
    const QString page = bannerPage("/data/O'Neil & syn/bmp", "demo1");
    EXPECT_TRUE(
        page.contains("<A HREF='file:///data/O%27Neil%20&amp;%20syn/bmp/banner/demo1/index.html' "
                      "TARGET='_new'>"));
    EXPECT_TRUE(page.contains(
        "<IMG SRC='file:///data/O%27Neil%20&amp;%20syn/bmp/banner/demo1/banner.gif'"));
}

TEST(BannerPage, AClickOpensOnlyAFileOfTheBannerFolder)
{
    const QString bmp = "/data/bmp";
    EXPECT_TRUE(isBannerLink(bmp, "file:///data/bmp/banner/demo1/index.html"));
    for (const char* other : {"file:///data/bmp/banner/../../obz.db", "file:///data/bmp/x.html",
                              "http://example.com/", "mailto:a@b.cz", "zpet.htm", ""})
        EXPECT_FALSE(isBannerLink(bmp, other)) << other;
}
