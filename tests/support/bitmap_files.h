#pragma once

#include "platform/bitmap.h"
#include "platform/fatal.h"

#include <GL/gl.h>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace scrivel::test {

// A folder named after the running test (holding an empty Graphics folder), so that a death
// test's child, which runs the test again in a new process, writes and names the same paths.
struct TestFolder {
    std::string path = std::string(SCRIVEL_BUILD_DIR "test-files/") +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
    TestFolder() { std::filesystem::create_directories(path + "Graphics"); }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string File(const std::string& name) const { return path + name; }
};

// Writes a BMP file whose pixel (x, y) has colour(x, y) (0x00BBGGRR) and returns its path.
inline std::string WriteBmp(const TestFolder& dir, const std::string& name, int width, int height,
                            const std::function<std::uint32_t(int, int)>& colour) {
    platform::Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.SetPixel(x, y, colour(x, y));
        }
    }
    bitmap.SaveBmp(dir.File(name));
    return dir.File(name);
}

// The start-up error a load raises, whose text main shows before it ends with status 1.
template <class Load> std::string FatalText(Load load) {
    try {
        load();
    } catch (const platform::FatalError& error) {
        return error.what();
    }
    return "(no start-up error)";
}

inline std::uint32_t Rgb(const std::uint8_t* texel) {
    return texel[0] | texel[1] << 8 | texel[2] << 16;
}

// Level 0 of the bound square 2-D texture as RGBA bytes, row after row; it must be side wide.
inline std::vector<std::uint8_t> BoundTexels(int side) {
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, side);
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(width) * width * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

inline GLint GlInt(GLenum what) {
    GLint value = 0;
    glGetIntegerv(what, &value);
    return value;
}

// A 196 x 196 sheet of nine patterns in 1-pixel frames: pattern k is PatternColour(k), except
// pattern 0, whose quarters differ (QuarterColour) so that a picture's orientation shows.
inline std::uint32_t PatternColour(int k) {
    return platform::Bitmap::Rgb(20 + 25 * k, 90 + 10 * k, 220 - 20 * k);
}
inline std::uint32_t QuarterColour(int x, int y) {
    return y < 32 ? (x < 32 ? 0x0000C8u : 0x00C800u) : (x < 32 ? 0xC80000u : 0x00C8C8u);
}
inline std::string WritePatterns(const TestFolder& dir, const std::string& name, int width = 196,
                                 int height = 196) {
    return WriteBmp(dir, name, width, height, [](int x, int y) -> std::uint32_t {
        if (x % 65 == 0 || y % 65 == 0 || x > 195 || y > 195) {
            return 0;
        }
        const int k = (y / 65) * 3 + x / 65;
        return k == 0 ? QuarterColour(x - 1, y - 1) : PatternColour(k);
    });
}

} // namespace scrivel::test
