#include "scene/model/volcano_profile.h"

#include <algorithm>

namespace scrivel {

TVolcanoProfile::TVolcanoProfile() {
    Recompute();
}

void TVolcanoProfile::Recompute() {
    points_ = {0.0f,
               FloorHeight * VerticalScale,
               0.0f,
               rimRadius_ * HorizontalScale,
               RimHeight * VerticalScale,
               0.0f,
               FlankRadius * HorizontalScale,
               LowHeight * VerticalScale,
               0.0f,
               FootRadius * HorizontalScale,
               0.0f,
               0.0f};
    restRimControl_ = points_[3];
}

void TVolcanoProfile::StartEruption(int value) {
    eruption_ = std::clamp(value, 0, MaxEruption);
}

int TVolcanoProfile::EruptionStep() {
    const int c = eruption_;
    if (c <= 0) {
        return 0;
    }
    const int k = c > 50 ? 50 - (c - 50) : c;
    rimRadius_ = RestRimRadius + static_cast<float>(k) * 0.006125f;
    Recompute();
    points_[3] = restRimControl_ + static_cast<float>(k) * 0.025f;
    if (c > 10) {
        eruption_ = c - 10;
    } else {
        eruption_ = 0;
        rimRadius_ = RestRimRadius;
        Recompute();
        points_[3] = restRimControl_;
        return 0;
    }
    return k;
}

} // namespace scrivel
