#include "render/texture_64.h"
#include "support/gl_fixture.h"
#include "texture_files.h"

#include <GL/gl.h>
#include <cstdlib>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;

// The RGB of the texel in texture row t, column s of a 64 x 64 texture.
std::uint32_t TexelAt(const std::vector<std::uint8_t>& texels, int s, int t) {
    const std::uint8_t* p = &texels[(static_cast<std::size_t>(t) * 64 + s) * 4];
    return p[0] | (p[1] << 8) | (p[2] << 16);
}

TEST(T64Texture, BasicIsTheRedAndBlackCheckerWithoutAFile) {
    // Were "basic" read as a file, its absence would end the test program.
    T64Texture texture("basic");
    EXPECT_TRUE(texture.IsBasic);
    // Stripes of 8 rows crossed with stripes of 16 columns.
    EXPECT_EQ(TexelAt(texture.Pixels, 0, 0), 0u);
    EXPECT_EQ(TexelAt(texture.Pixels, 0, 8), kRed);
    EXPECT_EQ(TexelAt(texture.Pixels, 16, 7), kRed);
    EXPECT_EQ(TexelAt(texture.Pixels, 31, 15), 0u);
    EXPECT_EQ(TexelAt(texture.Pixels, 63, 55), kRed);
    EXPECT_EQ(TexelAt(texture.Pixels, 63, 63), 0u);
    EXPECT_EQ(texture.Pixels[3], 255);
}

TEST(T64Texture, LargerBitmapIsCroppedAndTransposed) {
    test::TestFolder dir;
    const std::string path = test::WriteBmp(dir, "big.bmp", 100, 80, [](int x, int y) {
        return x < 64 && y < 64 ? platform::Bitmap::Rgb(x, y, 7) : 0xFFFFFFu;
    });
    T64Texture texture(path);
    for (int x = 0; x < 64; ++x) {
        for (int y = 0; y < 64; ++y) {
            ASSERT_EQ(TexelAt(texture.Pixels, y, x), platform::Bitmap::Rgb(x, y, 7));
        }
    }
}

TEST(T64Texture, TooSmallOrBrokenFileEndsTheProgramWithItsPath) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    test::TestFolder dir;
    const std::string small = test::WriteBmp(dir, "small.bmp", 63, 64, [](int, int) { return 0u; });
    EXPECT_EXIT(
        {
            unsetenv("DISPLAY");
            T64Texture texture(small);
        },
        ::testing::ExitedWithCode(1),
        test::Literally("Bitmap trop petit pour ce type de texture :\n" + small));

    test::WriteBmp(dir, "whole.bmp", 64, 64, [](int, int) { return kRed; });
    const std::string bytes = dir.Read("whole.bmp");
    const std::string cut = dir.Write("cut.bmp", bytes.substr(0, bytes.size() / 2));
    EXPECT_EXIT(
        {
            unsetenv("DISPLAY");
            T64Texture texture(cut);
        },
        ::testing::ExitedWithCode(1), "tronqu.* :\n" + test::Literally(cut));
}

class T64TextureGl : public test::GlTest {};

TEST_F(T64TextureGl, BuildAndBindSetTheTextureState) {
    T64Texture texture("basic");
    const unsigned name = texture.BuildTexture(4);
    ASSERT_NE(name, 0u);
    EXPECT_EQ(texture.TextureName, name);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    GLint format = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
    EXPECT_TRUE(format == 3 || format == GL_RGB) << "four components are cut to three";
    GLint smallest = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 6, GL_TEXTURE_WIDTH, &smallest);
    EXPECT_EQ(smallest, 1) << "mipmaps down to 1 x 1";

    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    texture.Bind();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(test::BoundTexture(), static_cast<GLint>(name));
    EXPECT_FLOAT_EQ(test::EnvMode(), GL_REPLACE);
    glDisable(GL_TEXTURE_2D);
}

TEST_F(T64TextureGl, LeftHalfOfTheBitmapBecomesTheTopRowsOfTheTexture) {
    test::TestFolder dir;
    const std::string path =
        test::WriteBmp(dir, "halves.bmp", 64, 64, [](int x, int) { return x < 32 ? kRed : kBlue; });
    T64Texture texture(path);
    texture.BuildTexture(3);
    const std::vector<std::uint8_t> texels = test::BoundTexels(64, 64);
    for (int t = 0; t < 64; ++t) {
        for (int s = 0; s < 64; ++s) {
            ASSERT_EQ(TexelAt(texels, s, t), t < 32 ? kRed : kBlue) << "row " << t;
        }
    }
}

TEST_F(T64TextureGl, OneComponentGivesASingleCompleteLevel) {
    T64Texture texture("basic");
    texture.BuildTexture(1);
    // A mipmapping filter over a single level would switch texturing off.
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(TexelAt(test::BoundTexels(64, 64), 0, 8), kRed);
}

} // namespace
} // namespace scrivel
