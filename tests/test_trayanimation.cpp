#include "app/trayanimation.h"

#include <gtest/gtest.h>

using obzorka::app::TrayAnimation;

TEST(TrayAnimation, StepsEveryThousandUnitsAndWraps)
{
    TrayAnimation animation;
    EXPECT_EQ(animation.krokanimace(1), 1); // the first frame shows at once
    animation.reset();
    EXPECT_EQ(animation.krokanimace(301), 0);
    EXPECT_EQ(animation.krokanimace(301), 0);
    EXPECT_EQ(animation.krokanimace(301), 0);
    EXPECT_EQ(animation.krokanimace(301), 2); // 1204 units
    animation.reset();
    EXPECT_EQ(animation.krokanimace(3900), 4);
    EXPECT_EQ(animation.krokanimace(301), 1); // 4201 wraps to 201
    EXPECT_EQ(animation.krokanimace(1000), 2);
}
