#include "scene/model/volcano_profile.h"

#include <algorithm>

namespace scrivel {

TVolcanoProfile::TVolcanoProfile() {
    Recompute();
}

void TVolcanoProfile::Recompute() {
    Points = {0.0f,
              FloorHeight * VerticalScale,
              0.0f,
              RimRadius * HorizontalScale,
              RimHeight * VerticalScale,
              0.0f,
              FlankRadius * HorizontalScale,
              LowHeight * VerticalScale,
              0.0f,
              FootRadius * HorizontalScale,
              0.0f,
              0.0f};
    RestRimControl = Points[3];
}

void TVolcanoProfile::StartEruption(int value) {
    Eruption = std::clamp(value, 0, MaxEruption);
}

int TVolcanoProfile::EruptionStep() {
    const int c = Eruption;
    if (c <= 0) {
        return 0;
    }
    const int k = c > 50 ? 50 - (c - 50) : c;
    RimRadius = RestRimRadius + static_cast<float>(k) * 0.006125f;
    Recompute();
    Points[3] = RestRimControl + static_cast<float>(k) * 0.025f;
    if (c > 10) {
        Eruption = c - 10;
    } else {
        Eruption = 0;
        RimRadius = RestRimRadius;
        Recompute();
        Points[3] = RestRimControl;
        return 0;
    }
    return k;
}

} // namespace scrivel
