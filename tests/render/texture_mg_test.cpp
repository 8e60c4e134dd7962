#include "render/texture.h"
#include "render/texture_mg.h"
#include "support/gl_fixture.h"
#include "texture_files.h"

#include <GL/gl.h>
#include <cstdlib>
#include <gtest/gtest.h>

namespace scrivel {
namespace {

constexpr std::uint32_t kSeparator = 0xFF00FF; // magenta lines between the tiles

std::uint32_t TileColour(int k) {
    return platform::Bitmap::Rgb(10 + k * 6, 250 - k * 5, 3 * k);
}

// A bank of side x side pixels whose tile k is TileColour(k), except tile 0, which carries a
// marker in its top-right corner to show the transposition.
std::string WriteBank(const test::TestFolder& dir, int width, int height) {
    return test::WriteBmp(dir, "Graphics/texbank1_64.bmp", width, height, [](int x, int y) {
        if (x % 65 == 0 || y % 65 == 0 || x > 390 || y > 390) {
            return kSeparator;
        }
        const int k = (y / 65) * 6 + x / 65;
        if (k == 0 && x > 48 && y < 16) {
            return 0xFFFFFFu;
        }
        return TileColour(k);
    });
}

std::uint32_t Rgb(const std::uint8_t* texel) {
    return texel[0] | texel[1] << 8 | texel[2] << 16;
}

TEST(TTextureMg, OnlyA391PixelSquareBankIsAccepted) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const auto& [width, height] : {std::pair{392, 391}, {390, 391}, {391, 392}}) {
        test::TestFolder dir;
        const std::string path = WriteBank(dir, width, height);
        TTextureMg bank(1, dir.Path());
        EXPECT_EXIT(
            {
                unsetenv("DISPLAY");
                bank.LoadBanks();
            },
            ::testing::ExitedWithCode(1),
            test::Literally("Bitmap incorrect pour une banque :\n" + path))
            << width << " x " << height;
    }
}

class TTextureMgGl : public test::GlTest {};

TEST_F(TTextureMgGl, BindSelectsTilesByIndexAndFallsBackToTileSix) {
    test::TestFolder dir;
    WriteBank(dir, 391, 391);
    TTextureMg bank(1, dir.Path());
    bank.LoadBanks();

    for (int k = 0; k < TTextureMg::TileCount; ++k) {
        glDisable(GL_TEXTURE_2D);
        bank.Bind(k, TTexture::Modulate);
        ASSERT_NE(bank.TileNames[k], 0u);
        ASSERT_EQ(test::BoundTexture(), static_cast<GLint>(bank.TileNames[k]));
        ASSERT_EQ(bank.CurrentName, bank.TileNames[k]);
        ASSERT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        // Tile k's own picture (texture row 0, column 63: away from tile 0's marker).
        ASSERT_EQ(Rgb(&test::BoundTexels(64, 64)[63 * 4]), TileColour(k)) << "tile " << k;
    }
    EXPECT_FLOAT_EQ(test::EnvMode(), GL_MODULATE);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(test::TexParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);

    for (const int index : {36, -1, 100, -128}) {
        bank.Bind(index, TTexture::Replace);
        EXPECT_EQ(test::BoundTexture(), static_cast<GLint>(bank.TileNames[6])) << index;
        EXPECT_EQ(bank.CurrentName, bank.TileNames[6]);
    }
    EXPECT_FLOAT_EQ(test::EnvMode(), GL_REPLACE);

    // The marker in tile 0's top-right corner (bitmap columns 49-63) is in the last texture rows.
    bank.Bind(0, TTexture::Replace);
    const std::vector<std::uint8_t> texels = test::BoundTexels(64, 64);
    EXPECT_EQ(Rgb(&texels[(60 * 64 + 2) * 4]), 0xFFFFFFu);
    EXPECT_EQ(Rgb(&texels[(2 * 64 + 60) * 4]), TileColour(0));
    glDisable(GL_TEXTURE_2D);
}

} // namespace
} // namespace scrivel
