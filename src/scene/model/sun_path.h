#pragma once

#include <array>
#include <cstdint>

namespace scrivel {

using TRgba = std::array<float, 4>;

enum class SunHeading : std::uint8_t {
    TowardsPlus,
    TowardsMinus,
};

// The sun's swing across the sky: 0.05 units a tick along x between -40 and +40 and back, on an
// arc that is highest in the middle.
class TSunPath {
public:
    static constexpr float Speed = 0.05f;
    static constexpr float Bound = 40.0f;

    TSunPath() = default;
    TSunPath(float x, SunHeading heading) : x_(x), heading_(heading) {}

    // One tick: turns at a bound (without moving that tick), else moves.
    void Step();
    float X() const { return x_; }
    SunHeading Heading() const { return heading_; }
    // 20 cos(x / 40) - 7: 13 in the middle, about 3.8 at the ends.
    float Y() const;
    // 0 with the sun in the middle of the sky, 1 at either end.
    float Lowness() const;

private:
    float x_ = -20.0f;
    SunHeading heading_ = SunHeading::TowardsPlus;
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
