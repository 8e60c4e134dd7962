#pragma once

#include "platform/bitmap.h"
#include "scene/gl_object.h"

#include <GL/gl.h>
#include <algorithm>
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

inline std::uint32_t Rgb(const std::uint8_t* texel) {
    return texel[0] | texel[1] << 8 | texel[2] << 16;
}

// Level 0 of the bound 2-D texture as RGBA bytes, row after row; it must be side x side.
inline std::vector<std::uint8_t> BoundTexels(int side) {
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    EXPECT_EQ(width, side);
    EXPECT_EQ(height, side);
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    texels.resize(static_cast<std::size_t>(side) * side * 4);
    return texels;
}

inline GLint GlInt(GLenum what) {
    GLint value = 0;
    glGetIntegerv(what, &value);
    return value;
}
inline GLint TexParameter(GLenum parameter) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
    return value;
}
inline GLfloat EnvMode() {
    GLfloat mode = 0;
    glGetTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    return mode;
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

// The cubes draw() draws, in scene units, seen through GL's feedback mode in an orthographic
// box of ±20 units: six quads (or twelve triangles) each. Line segments are counted apart.
struct DrawnCube {
    TVector3 centre;
    TVector3 size;
};

inline std::vector<DrawnCube> CaptureCubes(const std::function<void()>& draw,
                                           int* segments = nullptr) {
    constexpr float kHalf = 20.0f;
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-kHalf, kHalf, -kHalf, kHalf, -kHalf, kHalf);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_CULL_FACE);
    std::vector<GLfloat> buffer(1 << 18);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    EXPECT_GE(used, 0) << "feedback buffer too small";

    std::vector<DrawnCube> cubes;
    TVector3 low{1e9f, 1e9f, 1e9f};
    TVector3 high{-1e9f, -1e9f, -1e9f};
    int polygons = 0;
    int lines = 0;
    for (GLint i = 0; i < used;) {
        const auto token = static_cast<GLint>(buffer[i++]);
        if (token == GL_LINE_RESET_TOKEN || token == GL_LINE_TOKEN) {
            ++lines;
            i += 6;
            continue;
        }
        if (token != GL_POLYGON_TOKEN) {
            ADD_FAILURE() << "unexpected feedback token " << token;
            break;
        }
        const auto count = static_cast<GLint>(buffer[i++]);
        for (GLint v = 0; v < count; ++v, i += 3) {
            const TVector3 p{(buffer[i] - viewport[0]) / viewport[2] * 2 * kHalf - kHalf,
                             (buffer[i + 1] - viewport[1]) / viewport[3] * 2 * kHalf - kHalf,
                             kHalf - buffer[i + 2] * 2 * kHalf};
            low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
        }
        if (++polygons % (count == 3 ? 12 : 6) == 0) {
            cubes.push_back({{(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2},
                             {high.x - low.x, high.y - low.y, high.z - low.z}});
            low = {1e9f, 1e9f, 1e9f};
            high = {-1e9f, -1e9f, -1e9f};
        }
    }
    EXPECT_EQ(low.x, 1e9f) << "a cube was drawn with a face missing";
    if (segments != nullptr) {
        *segments = lines;
    }
    return cubes;
}

} // namespace scrivel::test
