#pragma once

#include <cstdint>

namespace scrivel::platform {

// An opaque colour by its red, green and blue channels, 0 to 255. Where a colour is one integer
// (skin.ini, the bitmaps' pixels) it is the Windows order 0x00BBGGRR, red in the low byte, and
// nowhere another order.
struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    constexpr Colour() = default;
    constexpr Colour(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
        : r(red), g(green), b(blue) {}
    static constexpr Colour FromWindows(std::uint32_t bbggrr) {
        return {static_cast<std::uint8_t>(bbggrr & 0xFFu),
                static_cast<std::uint8_t>((bbggrr >> 8) & 0xFFu),
                static_cast<std::uint8_t>((bbggrr >> 16) & 0xFFu)};
    }
    constexpr std::uint32_t Windows() const {
        return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
               (static_cast<std::uint32_t>(b) << 16);
    }

    // Each channel ANDed with the other colour's, as Windows dims a colour with a mask colour.
    friend constexpr Colour operator&(Colour a, Colour c) {
        return {static_cast<std::uint8_t>(a.r & c.r), static_cast<std::uint8_t>(a.g & c.g),
                static_cast<std::uint8_t>(a.b & c.b)};
    }
    friend constexpr bool operator==(Colour, Colour) = default;
};

namespace colours {
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
} // namespace colours

} // namespace scrivel::platform
