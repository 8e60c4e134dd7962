// Pictures for people to judge, written in the build folder: the view at 600 x 500
// (snapshots/*.png).
#include "model/game_data.h"
#include "platform/bitmap.h"
#include "render/view.h"
#include "scene/gl_sun.h"
#include "scene/volcano.h"
#include "support/gl_fixture.h"
#include "support/temp_dir.h"

#include <GL/gl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace scrivel {
namespace {

// Copies `width` columns of the window from `left` on into the picture at column x, top row first.
void Copy(const test::GlWindow& window, platform::Bitmap& picture, int x, int left, int width) {
    glFinish();
    const auto pixels = window.ReadPixels(); // bottom row first
    for (int row = 0; row < picture.Height(); ++row) {
        const std::size_t line = std::size_t{4} * (window.Height() - 1 - row) * window.Width();
        for (int column = 0; column < width; ++column) {
            const std::uint8_t* p = &pixels[line + 4 * (left + column)];
            picture.SetPixel(x + column, row, platform::Bitmap::Rgb(p[0], p[1], p[2]));
        }
    }
}

// Saves the window's picture and checks that more than the clear colour was drawn.
void Save(const test::GlWindow& window, const std::string& name) {
    std::filesystem::create_directories(SCRIVEL_BUILD_DIR "snapshots");
    platform::Bitmap picture(window.Width(), window.Height());
    Copy(window, picture, 0, 0, window.Width());
    picture.SavePng(SCRIVEL_BUILD_DIR "snapshots/" + name + ".png");
    const auto pixels = window.ReadPixels();
    int drawn = 0;
    for (size_t i = 0; i < pixels.size(); i += 4) {
        drawn += pixels[i] != pixels[0] || pixels[i + 1] != pixels[1] ? 1 : 0;
    }
    EXPECT_GT(drawn, 2000) << name;
}

// The game at 600 x 500 in a window of its own.
class Previews : public ::testing::Test {
protected:
    Previews() {
        dir.Write("words.let", "axe/ami/rue/sel/mer/les/");
        dir.Write("score.ini", "Ann=640\r\nBob=360\r\nZo\xE9=90\r\n");
        game = std::make_unique<TGameData>(view, platform::GameFolders::Beside(dir.Path()), 11);
        view.Build();
        view.Resize(600, 500);
    }
    void DrawUntilTheCameraArrives() {
        for (int i = 0; i < 150; ++i) {
            view.Step();
            view.Draw();
        }
    }

    test::GlWindow window{600, 500};
    test::TempDir dir;
    TView view{600, 500, SCRIVEL_GAME_DIR};
    std::unique_ptr<TGameData> game;
};

// The screen no other run pictures: the end-to-end tests and scripts/screenshots show the menu,
// the game, the name entry and the options.
TEST_F(Previews, GameOver) {
    for (int c = 0; c < 8; ++c) {
        game->Grid().SetCell(c, 7, static_cast<std::uint8_t>("salesumr"[c]));
    }
    view.SetMode(ViewMode::GameOver);
    DrawUntilTheCameraArrives();
    view.Step(); // the blinking lines show
    view.Draw();
    Save(window, "game_over");
}

// Play with the landing cell marked and the note of a word just found (snapshots/play_scored.png).
TEST_F(Previews, PlayWithTheLandingCellAndAScoredWord) {
    for (int c = 0; c < 3; ++c) {
        game->Grid().SetCell(c, 7, static_cast<std::uint8_t>("sel"[c]));
    }
    view.SetMode(ViewMode::Game);
    view.UpdateFalling();
    view.UpdateFalling(); // a letter falls
    DrawUntilTheCameraArrives();
    view.AddFoundWord("chat", 4, WordDirection::Horizontal, 7);
    view.Step();
    view.Draw();
    Save(window, "play_scored");
}

// The sun at mid-sky and near an end of its swing, and six frames of one eruption side by side
// (snapshots/sun_*.png, snapshots/eruption.png).
TEST_F(Previews, DaylightAndAnEruption) {
    view.SetMode(ViewMode::Game);
    DrawUntilTheCameraArrives();
    for (const auto& [name, x] : {std::pair{"sun_midday", -0.05f}, {"sun_dusk", 37.95f}}) {
        view.SetSunPath(TSunPath(x, SunHeading::TowardsPlus));
        for (int tick = 0; tick < 2; ++tick) { // the sky set in one frame clears the next
            view.Step();
            view.Draw();
        }
        Save(window, name);
    }
    view.SetSunPath(TSunPath(-8.0f, SunHeading::TowardsPlus));
    view.Step();
    view.Draw();
    constexpr int kFrames = 6;
    constexpr int kLeft = 150;
    constexpr int kWidth = 300;
    constexpr int kHeight = 260;
    platform::Bitmap strip(kFrames * kWidth, kHeight);
    view.StartEruption();
    for (int frame = 0; frame < kFrames; ++frame) {
        view.Step();
        view.Draw();
        Copy(window, strip, frame * kWidth, kLeft, kWidth);
    }
    strip.SavePng(std::string(SCRIVEL_BUILD_DIR) + "snapshots/eruption.png");
    EXPECT_EQ(view.Volcano()->Profile().Eruption(), 40);
}

} // namespace
} // namespace scrivel
