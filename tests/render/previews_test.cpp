// Pictures for people to judge, written in the build folder: each screen of the view at 600 x 500
// (snapshots/*.png).
#include "model/game_data.h"
#include "platform/bitmap.h"
#include "platform/font_catalogue.h"
#include "render/falling_lettre.h"
#include "render/view.h"
#include "scene/camera.h"
#include "scene/gl_sun.h"
#include "scene/volcano.h"
#include "support/gl_fixture.h"
#include "support/temp_dir.h"

#include <GL/gl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace scrivel {
namespace {

// Saves the window's picture and checks that more than the clear colour was drawn.
void Save(const test::GlWindow& window, const std::string& name) {
    glFinish();
    std::filesystem::create_directories(SCRIVEL_BUILD_DIR "snapshots");
    window.SavePng(SCRIVEL_BUILD_DIR "snapshots/" + name + ".png");
    const auto pixels = window.ReadPixels();
    int drawn = 0;
    for (size_t i = 0; i < pixels.size(); i += 4) {
        drawn += pixels[i] != pixels[0] || pixels[i + 1] != pixels[1] ? 1 : 0;
    }
    EXPECT_GT(drawn, 2000) << name;
}

TEST(Previews, EveryScreenOfTheView) {
    test::GlWindow window(600, 500);
    test::TempDir dir;
    dir.Write("words.let", "axe/ami/rue/sel/mer/les/");
    dir.Write("score.ini", "Ann=640\r\nBob=360\r\nZo\xE9=90\r\n");
    TView view(600, 500, SCRIVEL_GAME_DIR);
    TGameData game(view, platform::GameFolders::Beside(dir.Path()), 11);
    game.SetJokerOdds(0);
    view.Build();
    view.Resize(600, 500);
    const auto snapshot = [&](const std::string& name, int blink) {
        for (int i = 0; i < 150; ++i) { // until the camera arrives
            view.Draw();
        }
        view.BlinkCounter = blink;
        view.Draw();
        Save(window, name);
    };
    view.SetMode(ViewMode::Menu);
    view.AddFoundWord("axe", 1, WordDirection::Horizontal, 7);
    view.AddFoundWord("mer", 2, WordDirection::Horizontal, 6);
    snapshot("menu", 25);

    view.SetMode(ViewMode::Game);
    for (int c = 0; c < 8; ++c) {
        game.Grid().SetCell(c, 7, static_cast<std::uint8_t>("salesumr"[c]));
    }
    view.SetNextLetter(0); // a joker follows the first letter, which lands
    while (!view.Landed()) {
        view.UpdateFalling();
    }
    int column = 0;
    int row = 0;
    view.GetLandingCell(column, row);
    game.Grid().Drop(column, row, view.GetFallingLetter());
    view.SetNextLetter('t');
    for (int tick = 0; tick < 120; ++tick) { // the joker part of the way down
        view.UpdateFalling();
        if (view.ActiveLetter() != nullptr && view.ActiveLetter()->CurrentRow() >= 1) {
            break;
        }
    }
    snapshot("game", 25);
    const std::tuple<ViewMode, const char*, int> screens[] = {
        {ViewMode::GameOver, "game_over", 5},
        {ViewMode::NameEntry, "name_entry", 25},
        {ViewMode::Options, "options", 25}};
    for (const auto& [mode, name, blink] : screens) {
        view.SetMode(mode);
        snapshot(name, blink);
    }
}

// The sun at mid-sky and near an end of its swing, and six frames of one eruption side by side
// (snapshots/sun_*.png, snapshots/eruption.png).
TEST(Previews, DaylightAndAnEruption) {
    test::GlWindow window(600, 500);
    test::TempDir dir;
    dir.Write("words.let", "axe/ami/rue/sel/mer/les/");
    TView view(600, 500, SCRIVEL_GAME_DIR);
    TGameData game(view, platform::GameFolders::Beside(dir.Path()), 11);
    view.Build();
    view.Resize(600, 500);
    view.SetMode(ViewMode::Game);
    for (int i = 0; i < 150; ++i) { // until the camera arrives
        view.Draw();
    }
    for (const auto& [name, x] : {std::pair{"sun_midday", -0.05f}, {"sun_dusk", 37.95f}}) {
        view.Sun()->Path.X = x;
        view.Sun()->Path.TowardsMinus = false;
        view.Draw(); // the sky set in one frame clears the next
        view.Draw();
        Save(window, name);
    }
    view.Sun()->Path.X = -8.0f;
    view.Draw();
    constexpr int kFrames = 6;
    constexpr int kLeft = 150;
    constexpr int kWidth = 300;
    constexpr int kHeight = 260;
    platform::Bitmap strip(kFrames * kWidth, kHeight);
    view.Volcano()->StartEruption(100);
    for (int frame = 0; frame < kFrames; ++frame) {
        view.Draw();
        glFinish();
        const auto pixels = window.ReadPixels(); // bottom row first
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const size_t i = (static_cast<size_t>(499 - y) * 600 + kLeft + x) * 4;
                strip.SetPixel(frame * kWidth + x, y,
                               platform::Bitmap::Rgb(pixels[i], pixels[i + 1], pixels[i + 2]));
            }
        }
    }
    strip.SavePng(std::string(SCRIVEL_BUILD_DIR) + "snapshots/eruption.png");
    EXPECT_EQ(view.Volcano()->Profile.Eruption, 40);
}

} // namespace
} // namespace scrivel
