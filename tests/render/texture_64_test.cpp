#include "render/texture_64.h"
#include "render_support.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <cstdlib>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;

std::uint32_t TexelAt(const std::vector<std::uint8_t>& texels, int s, int t) {
    return test::Rgb(&texels[(static_cast<std::size_t>(t) * 64 + s) * 4]);
}

TEST(T64Texture, BasicIsTheRedAndBlackCheckerWithoutAFile) {
    T64Texture texture("basic"); // read as a file, its absence would end the program
    EXPECT_EQ(TexelAt(texture.Pixels, 0, 0), 0u);
    EXPECT_EQ(TexelAt(texture.Pixels, 0, 8), kRed);
    EXPECT_EQ(TexelAt(texture.Pixels, 16, 7), kRed);
    EXPECT_EQ(TexelAt(texture.Pixels, 31, 15), 0u);
    EXPECT_EQ(TexelAt(texture.Pixels, 63, 55), kRed);
}

TEST(T64Texture, TooSmallOrTruncatedFileEndsTheProgramWithItsPath) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    test::TestFolder dir;
    const std::string small = test::WriteBmp(dir, "small.bmp", 63, 64, [](int, int) { return 0u; });
    EXPECT_EXIT((unsetenv("DISPLAY"), T64Texture(small)), ::testing::ExitedWithCode(1),
                "Bitmap trop petit pour ce type de texture :\n" + small);
    const std::string cut = test::WriteBmp(dir, "cut.bmp", 64, 64, [](int, int) { return kRed; });
    std::filesystem::resize_file(cut, std::filesystem::file_size(cut) / 2);
    EXPECT_EXIT((unsetenv("DISPLAY"), T64Texture(cut)), ::testing::ExitedWithCode(1),
                "tronqu.* :\n" + cut);
}

class T64TextureGl : public test::GlTest {};

TEST_F(T64TextureGl, BuildAndBindSetTheTextureState) {
    T64Texture texture("basic");
    const unsigned name = texture.BuildTexture(4);
    ASSERT_NE(name, 0u);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    GLint smallest = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 6, GL_TEXTURE_WIDTH, &smallest);
    EXPECT_EQ(smallest, 1) << "mipmaps down to 1 x 1";
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    texture.Bind();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(test::GlInt(GL_TEXTURE_BINDING_2D), static_cast<GLint>(name));
    EXPECT_FLOAT_EQ(test::EnvMode(), GL_REPLACE);
    glDisable(GL_TEXTURE_2D);
    // One component: a single level, whose mipmapping filter would switch texturing off.
    texture.BuildTexture(1);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
}

TEST_F(T64TextureGl, LeftHalfOfACroppedBitmapBecomesTheTopRowsOfTheTexture) {
    test::TestFolder dir;
    const std::string path = test::WriteBmp(dir, "halves.bmp", 100, 80, [](int x, int y) {
        return x >= 64 || y >= 64 ? 0xFFFFFFu : x < 32 ? kRed : kBlue;
    });
    T64Texture texture(path);
    texture.BuildTexture(3);
    const std::vector<std::uint8_t> texels = test::BoundTexels(64);
    for (int t = 0; t < 64; ++t) {
        for (int s = 0; s < 64; ++s) {
            ASSERT_EQ(TexelAt(texels, s, t), t < 32 ? kRed : kBlue) << "row " << t;
        }
    }
}

} // namespace
} // namespace scrivel
