// Draws the 26 letters and 10 digits of three font banks as cubes, as the game shows them, into
// previews/letters.png in the build folder, for people to judge. Needs the generated pattern sheet.
#include "platform/file_system.h"
#include "platform/font_catalogue.h"
#include "render/font_tex_mg.h"
#include "render/lettre.h"
#include "scene/camera.h"
#include "support/gl_fixture.h"

#include <GL/gl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace scrivel {
namespace {

constexpr const char* kCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// Two rows of 18 cubes for one bank, the upper row's centre at y = top.
void DrawBank(TFontTexMg& bank, float top) {
    TLettre letter('A', &bank, 0.8f, 0.8f);
    for (int i = 0; i < 36; ++i) {
        const float x = -8.5f + static_cast<float>(i % 18);
        const float y = top - static_cast<float>(i / 18) * 1.1f + 1.0f; // drawn one unit lower
        letter.DrawAt(static_cast<std::uint8_t>(kCharacters[i]), x, y, 0.0f);
    }
}

TEST(LetterPreview, DrawsTheLettersOfThreeBanksIntoAPicture) {
    const std::string game = SCRIVEL_GAME_DIR;
    ASSERT_TRUE(platform::FileExists(game + "Graphics/patterns1.bmp"))
        << "build the graphics target first: the preview uses the generated pattern sheet";
    platform::FontCatalogue::RegisterAliases();

    test::GlWindow window(1000, 560);
    window.MakeCurrent();
    glViewport(0, 0, window.Width(), window.Height());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.5, 0.5, -0.28, 0.28, 1.0, 100.0); // 1000 x 560 pixels
    glMatrixMode(GL_MODELVIEW);
    TCamera camera;
    camera.Set(3.5f, 4.0f, 22.0f, 10.0f, -9.0f, 0.0f);
    camera.Arrived = true;
    camera.Apply();

    glClearColor(0.55f, 0.7f, 0.85f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);

    // The player's bank with its default options, the multicoloured one, and the title bank.
    TFontTexMg letters("Arial", 1, 1, 0, game);
    TFontTexMg multicolour("Times New Roman", 1, 3, 9, game);
    TFontTexMg titles("Garamond", 1, 0, 4, game);
    letters.LoadPatterns();
    multicolour.LoadPatterns();
    titles.LoadPatterns();
    DrawBank(letters, 3.6f);
    DrawBank(multicolour, 0.6f);
    // The title bank as the menus write with it: rows of touching cubes.
    titles.DrawTextAcross("ABCDEFGHIJKLMNOPQR", -8.5f, -1.4f, 0.0f, 1.0f, 1.0f, 0.0f);
    titles.DrawTextAcross("STUVWXYZ0123456789", -8.5f, -2.5f, 0.0f, 1.0f, 1.0f, 0.0f);
    glDisable(GL_DEPTH_TEST);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const std::filesystem::path folder = std::filesystem::weakly_canonical(game + "../previews");
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "letters.png").string();
    window.SavePng(path);
    EXPECT_TRUE(std::filesystem::file_size(path) > 10000) << path;
}

} // namespace
} // namespace scrivel
