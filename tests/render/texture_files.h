#pragma once

#include "platform/bitmap.h"

#include <GL/gl.h>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace scrivel::test {

// A fresh folder named after the running test, under the build folder, removed with everything
// in it when the object goes. A death test's child runs the test again from its start in a new
// process and finds the same path, so the messages it prints can be matched in full.
class TestFolder {
public:
    TestFolder() {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "." + test->name();
        for (char& c : name) {
            c = c == '/' ? '_' : c;
        }
        const std::filesystem::path root =
            std::filesystem::weakly_canonical(SCRIVEL_GAME_DIR "../test-files");
        path_ = (root / name).string() + "/";
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_ + "Graphics");
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder, ending with '/'; it holds an empty Graphics folder to begin with.
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(File(name), std::ios::binary) << bytes;
        return File(name);
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::string path_;
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
    const std::string path = dir.File(name);
    bitmap.SaveBmp(path);
    return path;
}

// A death-test pattern that matches text literally.
inline std::string Literally(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) {
            out += '\\';
        }
        out += c;
    }
    return out;
}

// Level 0 of the bound 2-D texture as RGBA bytes, row after row; it must be width x height.
inline std::vector<std::uint8_t> BoundTexels(int width, int height) {
    GLint actualWidth = 0;
    GLint actualHeight = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &actualWidth);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &actualHeight);
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(actualWidth) * actualHeight * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(actualWidth, width);
    EXPECT_EQ(actualHeight, height);
    texels.resize(static_cast<std::size_t>(width) * height * 4);
    return texels;
}

inline GLint BoundTexture() {
    GLint name = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return name;
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

} // namespace scrivel::test

namespace scrivel::test {

// A 196 x 196 pattern sheet (or another size, to be refused). Pattern k is PatternColour(k),
// except pattern 0, whose quarters differ (QuarterColour) so a picture's orientation shows.
inline std::uint32_t PatternColour(int k) {
    return platform::Bitmap::Rgb(20 + 25 * k, 90 + 10 * k, 220 - 20 * k);
}
// Quarter of pattern 0 holding bitmap pixel (x, y) of the pattern.
inline std::uint32_t QuarterColour(int x, int y) {
    if (y < 32) {
        return x < 32 ? platform::Bitmap::Rgb(200, 0, 0) : platform::Bitmap::Rgb(0, 200, 0);
    }
    return x < 32 ? platform::Bitmap::Rgb(0, 0, 200) : platform::Bitmap::Rgb(200, 200, 0);
}
inline std::string WritePatterns(const TestFolder& dir, const std::string& name, int width = 196,
                                 int height = 196) {
    return WriteBmp(dir, name, width, height, [](int x, int y) -> std::uint32_t {
        if (x % 65 == 0 || y % 65 == 0 || x > 195 || y > 195) {
            return 0x000000; // frame lines
        }
        const int k = (y / 65) * 3 + x / 65;
        return k == 0 ? QuarterColour(x - 1, y - 1) : PatternColour(k);
    });
}

} // namespace scrivel::test
