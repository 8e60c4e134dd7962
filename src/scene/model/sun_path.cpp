#include "scene/model/sun_path.h"

#include <cmath>

namespace scrivel {

void TSunPath::Step() {
    if (heading_ == SunHeading::TowardsMinus) {
        if (x_ < -Bound) {
            heading_ = SunHeading::TowardsPlus;
        } else {
            x_ -= Speed;
        }
    }
    // Not an else: a turn at -40 moves on towards +x in the same tick.
    if (heading_ == SunHeading::TowardsPlus) {
        if (x_ > Bound) {
            heading_ = SunHeading::TowardsMinus;
        } else {
            x_ += Speed;
        }
    }
}

float TSunPath::Y() const {
    return std::cos(x_ / Bound) * 20.0f - 7.0f;
}

float TSunPath::Lowness() const {
    return std::fabs(x_) / Bound;
}

TDaylight TDaylight::At(float s) {
    const float light = (1.0f - s) * 0.75f + 0.25f;
    const float fog = s * 0.5f + 0.5f;
    TDaylight day;
    day.Ambient = {light, light, light, 0.8f};
    day.Diffuse = {s * 0.75f + 0.25f, light, light, 1.0f};
    day.Sky = {(1.0f - s) * 0.5f, (1.0f - s) * 0.5f, 1.0f - s * 0.8f, 1.0f};
    day.Fog = {fog * 0.83f, fog * 0.55f, fog * 0.09f, 1.0f};
    return day;
}

} // namespace scrivel
