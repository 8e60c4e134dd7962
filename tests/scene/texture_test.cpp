#include "scene/texture.h"
#include "scene/texture_400.h"
#include "scene/texture_64.h"
#include "scene/texture_mg.h"
#include "support/bitmap_files.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace scrivel {
namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;

std::uint32_t TexelAt(const std::vector<std::uint8_t>& texels, int s, int t) {
    return test::Rgb(&texels[(static_cast<std::size_t>(t) * 64 + s) * 4]);
}
std::uint32_t TileColour(int k) {
    return platform::Bitmap::Rgb(10 + k * 6, 250 - k * 5, 3 * k);
}
// Tile k is TileColour(k) between magenta separators; tile 0 has a white top-right corner.
std::string WriteBank(const test::TestFolder& dir, int width) {
    return test::WriteBmp(dir, "Graphics/texbank1_64.bmp", width, 391, [](int x, int y) {
        const int k = (y / 65) * 6 + x / 65;
        return x % 65 == 0 || y % 65 == 0 || x > 390 ? 0xFF00FFu
               : k == 0 && x > 48 && y < 16          ? 0xFFFFFFu
                                                     : TileColour(k);
    });
}

TEST(T64Texture, BasicIsTheRedAndBlackCheckerWithoutAFile) {
    T64Texture texture("basic"); // read as a file, its absence would end the program
    EXPECT_EQ(TexelAt(texture.Pixels(), 0, 0), 0u);
    EXPECT_EQ(TexelAt(texture.Pixels(), 0, 8), kRed);
}

TEST(Texture, WrongSizesAndTruncatedFilesStopTheStartWithThePath) {
    test::TestFolder dir;
    const std::string small = test::WriteBmp(dir, "small.bmp", 63, 64, [](int, int) { return 0u; });
    EXPECT_EQ(test::FatalText([&] { T64Texture{small}; }),
              "Bitmap trop petit pour ce type de texture :\n" + small);
    const std::string cut = test::WriteBmp(dir, "cut.bmp", 64, 64, [](int, int) { return kRed; });
    std::filesystem::resize_file(cut, std::filesystem::file_size(cut) / 2);
    EXPECT_EQ(test::FatalText([&] { T64Texture{cut}; }), "Fichier image tronqué :\n" + cut);
    const std::string bank = WriteBank(dir, 392);
    EXPECT_EQ(test::FatalText([&] { TTextureMg(1, dir.path).LoadBanks(); }),
              "Bitmap incorrect pour une banque :\n" + bank);
}

class TextureGl : public test::GlTest {};

TEST_F(TextureGl, BuildBindAndDeleteBothSizes) {
    test::TestFolder dir;
    std::vector<std::unique_ptr<TBitmapTexture>> textures;
    textures.push_back(std::make_unique<T64Texture>("basic"));
    textures.push_back(std::make_unique<T400Texture>(
        test::WriteBmp(dir, "red.bmp", 400, 400, [](int, int) { return kRed; })));
    for (auto& texture : textures) {
        const GLuint first = texture->BuildTexture(4);
        const GLuint name = texture->BuildTexture(3);
        EXPECT_TRUE(name == first || !glIsTexture(first)) << "a rebuild deletes what it replaces";
        glBindTexture(GL_TEXTURE_2D, 0);
        texture->Bind();
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_EQ(test::GlInt(GL_TEXTURE_BINDING_2D), static_cast<GLint>(name));
        GLint mode = 0;
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
        EXPECT_EQ(mode, texture->Size() == 400 ? GL_MODULATE : GL_REPLACE);
        texture.reset();
        EXPECT_FALSE(glIsTexture(name)) << "deleted with its texture";
    }
    glDisable(GL_TEXTURE_2D);
}

TEST_F(TextureGl, LeftHalfOfACroppedBitmapBecomesTheTopRowsOfTheTexture) {
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

TEST_F(TextureGl, BankBindsTilesByIndexAndFallsBackToTileSix) {
    test::TestFolder dir;
    WriteBank(dir, 391);
    TTextureMg bank(1, dir.path);
    bank.LoadBanks();
    for (int k = 0; k < TTextureMg::TileCount; ++k) {
        bank.Bind(k, TextureEnv::Modulate);
        ASSERT_EQ(test::GlInt(GL_TEXTURE_BINDING_2D), static_cast<GLint>(bank.TileName(k)));
        // Texture row 0, column 63: away from tile 0's corner.
        ASSERT_EQ(test::Rgb(&test::BoundTexels(64)[63 * 4]), TileColour(k)) << "tile " << k;
    }
    for (const int index : {36, -1, 100}) {
        bank.Bind(index, TextureEnv::Replace);
        EXPECT_EQ(test::GlInt(GL_TEXTURE_BINDING_2D), static_cast<GLint>(bank.TileName(6)));
    }
    // Tile 0's top-right corner (bitmap columns 49-63) is in the last texture rows.
    bank.Bind(0, TextureEnv::Replace);
    EXPECT_EQ(test::Rgb(&test::BoundTexels(64)[(60 * 64 + 2) * 4]), 0xFFFFFFu);
    glDisable(GL_TEXTURE_2D);
}

} // namespace
} // namespace scrivel
