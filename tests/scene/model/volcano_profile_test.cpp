#include "scene/model/volcano_profile.h"

#include <gtest/gtest.h>
#include <vector>

namespace scrivel {
namespace {

// The swell drawn on each frame after starting an eruption, until the counter is back at 0.
std::vector<int> Swells(int start) {
    TVolcanoProfile profile;
    profile.StartEruption(start);
    std::vector<int> swells;
    for (int frame = 0; frame < 12; ++frame) {
        const int k = profile.EruptionStep();
        EXPECT_GE(profile.Q1x(), 4.375f) << "the rim never shrinks";
        swells.push_back(k);
    }
    EXPECT_EQ(profile.Eruption, 0);
    EXPECT_FLOAT_EQ(profile.RimRadius, 2.5f);
    return swells;
}

TEST(TVolcanoProfile, EruptionSwellsAndRelaxesOverTenFrames) {
    EXPECT_EQ(Swells(100), (std::vector<int>{0, 10, 20, 30, 40, 50, 40, 30, 20, 0, 0, 0}));
    EXPECT_EQ(Swells(5), std::vector<int>(12, 0));
    // Above 100 the swell would turn negative and shrink the rim: held at the largest eruption.
    EXPECT_EQ(Swells(150), Swells(100));
    EXPECT_EQ(Swells(-20), std::vector<int>(12, 0));
}

} // namespace
} // namespace scrivel
