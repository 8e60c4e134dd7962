#include "scene/model/volcano_profile.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace scrivel {
namespace {

TEST(TVolcanoProfile, RestShapeControlPoints) {
    const TVolcanoProfile profile;
    EXPECT_FLOAT_EQ(profile.Q0y(), 12.924f); // 3.59 x 3.6
    EXPECT_EQ(std::pair(profile.Q0x(), profile.Q3y()), std::pair(0.0f, 0.0f));
    EXPECT_FLOAT_EQ(profile.Q1x(), 4.375f); // 2.5 x 1.75
    EXPECT_FLOAT_EQ(profile.Q1y(), 14.4f);  // 4.0 x 3.6
    EXPECT_FLOAT_EQ(profile.Q2x(), 3.85f);  // 2.2 x 1.75
    EXPECT_FLOAT_EQ(profile.Q2y(), 0.72f);  // 0.2 x 3.6
    EXPECT_FLOAT_EQ(profile.Q3x(), 10.5f);  // 6.0 x 1.75
}

// The swell drawn on each tick after starting an eruption, until the counter is back at 0.
std::vector<int> Swells(int start) {
    TVolcanoProfile profile;
    profile.StartEruption(start);
    std::vector<int> swells;
    for (int tick = 0; tick < 12; ++tick) {
        const int k = profile.EruptionStep();
        EXPECT_GE(profile.Q1x(), 4.375f) << "the rim never shrinks";
        swells.push_back(k);
    }
    EXPECT_EQ(profile.Eruption(), 0);
    EXPECT_FLOAT_EQ(profile.Q1x(), 4.375f) << "back at rest";
    return swells;
}

TEST(TVolcanoProfile, EruptionSwellsAndRelaxesOverTenTicks) {
    EXPECT_EQ(Swells(100), (std::vector<int>{0, 10, 20, 30, 40, 50, 40, 30, 20, 0, 0, 0}));
    EXPECT_EQ(Swells(5), std::vector<int>(12, 0));
    // Above 100 the swell would turn negative and shrink the rim: held at the largest eruption.
    EXPECT_EQ(Swells(150), Swells(100));
    EXPECT_EQ(Swells(-20), std::vector<int>(12, 0));
}

TEST(TVolcanoProfile, RimControlAtTheHeightOfTheSwell) {
    TVolcanoProfile profile;
    profile.StartEruption(100);
    for (int tick = 0; tick < 6; ++tick) {
        profile.EruptionStep();
    }
    // k = 50: (2.5 + 50 x 0.006125) x 1.75 + 50 x 0.025
    EXPECT_FLOAT_EQ(profile.Q1x(), 6.1609375f);
    EXPECT_FLOAT_EQ(profile.Q2x(), 3.85f) << "only the rim swells";
    EXPECT_EQ(profile.Eruption(), 40);
}

} // namespace
} // namespace scrivel
