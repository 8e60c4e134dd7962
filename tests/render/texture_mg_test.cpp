#include "render/texture.h"
#include "render/texture_mg.h"
#include "render_support.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <cstdlib>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

std::uint32_t TileColour(int k) {
    return platform::Bitmap::Rgb(10 + k * 6, 250 - k * 5, 3 * k);
}

// Tile k is TileColour(k) between magenta separators; tile 0 has a white top-right corner.
std::string WriteBank(const test::TestFolder& dir, int width, int height) {
    return test::WriteBmp(dir, "Graphics/texbank1_64.bmp", width, height, [](int x, int y) {
        const int k = (y / 65) * 6 + x / 65;
        return x % 65 == 0 || y % 65 == 0 || x > 390 || y > 390 ? 0xFF00FFu
               : k == 0 && x > 48 && y < 16                     ? 0xFFFFFFu
                                                                : TileColour(k);
    });
}

TEST(TTextureMg, OnlyA391PixelSquareBankIsAccepted) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const auto& [width, height] : {std::pair{392, 391}, {391, 390}}) {
        test::TestFolder dir;
        const std::string path = WriteBank(dir, width, height);
        TTextureMg bank(1, dir.path);
        EXPECT_EXIT((unsetenv("DISPLAY"), bank.LoadBanks()), ::testing::ExitedWithCode(1),
                    "Bitmap incorrect pour une banque :\n" + path);
    }
}

class TTextureMgGl : public test::GlTest {};

TEST_F(TTextureMgGl, BindSelectsTilesByIndexAndFallsBackToTileSix) {
    test::TestFolder dir;
    WriteBank(dir, 391, 391);
    TTextureMg bank(1, dir.path);
    bank.LoadBanks();
    for (int k = 0; k < TTextureMg::TileCount; ++k) {
        glDisable(GL_TEXTURE_2D);
        bank.Bind(k, TTexture::Modulate);
        ASSERT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        ASSERT_EQ(test::GlInt(GL_TEXTURE_BINDING_2D), static_cast<GLint>(bank.TileNames[k]));
        // Texture row 0, column 63: away from tile 0's corner.
        ASSERT_EQ(test::Rgb(&test::BoundTexels(64)[63 * 4]), TileColour(k)) << "tile " << k;
    }
    EXPECT_FLOAT_EQ(test::EnvMode(), GL_MODULATE);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    for (const int index : {36, -1, 100}) {
        bank.Bind(index, TTexture::Replace);
        EXPECT_EQ(test::GlInt(GL_TEXTURE_BINDING_2D), static_cast<GLint>(bank.TileNames[6]));
        EXPECT_EQ(bank.CurrentName, bank.TileNames[6]) << index;
    }
    EXPECT_FLOAT_EQ(test::EnvMode(), GL_REPLACE);
    // Tile 0's top-right corner (bitmap columns 49-63) is in the last texture rows.
    bank.Bind(0, TTexture::Replace);
    const std::vector<std::uint8_t> texels = test::BoundTexels(64);
    EXPECT_EQ(test::Rgb(&texels[(60 * 64 + 2) * 4]), 0xFFFFFFu);
    EXPECT_EQ(test::Rgb(&texels[(2 * 64 + 60) * 4]), TileColour(0));
    glDisable(GL_TEXTURE_2D);
}

} // namespace
} // namespace scrivel
