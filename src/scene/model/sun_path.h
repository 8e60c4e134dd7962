#pragma once

#include <array>

namespace scrivel {

using TRgba = std::array<float, 4>;

// The sun's swing across the sky: 0.05 units a frame along x between -40 and +40 and back, on an
// arc that is highest in the middle.
class TSunPath {
public:
    static constexpr float Speed = 0.05f;
    static constexpr float Bound = 40.0f;

    // One frame: turns at a bound (without moving that frame), else moves.
    void Step();
    // 20 cos(x / 40) - 7: 13 in the middle, about 3.8 at the ends.
    float Y() const;
    // 0 with the sun in the middle of the sky, 1 at either end.
    float Lowness() const;

    float X = -20.0f;
    bool TowardsMinus = false;
};

// The scene's colours for a sun at lowness s: bright and blue-skied at 0, dark-skied with red
// light and orange fog at 1.
struct TDaylight {
    TRgba Ambient; // light 0
    TRgba Diffuse; // light 0
    TRgba Sky;     // the clear colour
    TRgba Fog;

    static TDaylight At(float lowness);
};

} // namespace scrivel
