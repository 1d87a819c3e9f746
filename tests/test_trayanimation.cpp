#include "app/trayanimation.h"

#include <gtest/gtest.h>

using obzorka::app::TrayAnimation;

TEST(TrayAnimation, StepsEveryThousandUnitsAndWraps)
{
    // From a reset: the units of each step and the frame the step shows.
    const std::vector<std::vector<std::pair<int, int>>> runs{
        {{1, 1}},                                 // the first frame shows at once
        {{301, 0}, {301, 0}, {301, 0}, {301, 2}}, // 1204 units
        {{3900, 4}, {301, 1}, {1000, 2}}};        // 4201 wraps to 201
    TrayAnimation animation;
    for (const auto& steps : runs) {
        animation.reset();
        for (const auto& [units, frame] : steps)
            EXPECT_EQ(animation.krokanimace(units), frame) << units;
    }
}
