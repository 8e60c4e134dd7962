// Draws each screen in a 600 x 500 window and writes it as a PNG in the build folder, so people can
// look at what the view shows.
#include "model/game_data.h"
#include "render/falling_lettre.h"
#include "render/view.h"
#include "support/gl_fixture.h"
#include "support/temp_dir.h"

#include <GL/gl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace scrivel {
namespace {

class ViewSnapshots : public ::testing::Test {
protected:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 500;

    void SetUp() override {
        window = std::make_unique<test::GlWindow>(kWidth, kHeight);
        std::filesystem::create_directories(folder);
        dir.Write("words.let", "axe/ami/rue/sel/mer/les/");
        dir.Write("score.ini", "Ann=640\r\nBob=360\r\nZo\xE9=90\r\n");
        view = std::make_unique<TView>(kWidth, kHeight, SCRIVEL_GAME_DIR);
        game = std::make_unique<TGameData>(*view, dir.Path(), 11);
        game->SetJokerOdds(0);
        view->Build();
        view->Resize(kWidth, kHeight);
    }
    void TearDown() override {
        game.reset();
        view.reset();
        window.reset();
    }
    // Draws enough frames for the camera to arrive, then saves the last one.
    void Snapshot(const std::string& name, int blink = 25) {
        for (int i = 0; i < 150; ++i) {
            view->Draw();
        }
        view->BlinkCounter = blink;
        view->Draw();
        glFinish();
        const std::string path = folder + name + ".png";
        window->SavePng(path);
        EXPECT_TRUE(std::filesystem::exists(path));
        // Something besides the clear colour was drawn.
        const auto pixels = window->ReadPixels();
        int drawn = 0;
        for (size_t i = 0; i < pixels.size(); i += 4) {
            const bool clearColour = std::abs(pixels[i] - 204) < 3 &&
                                     std::abs(pixels[i + 1] - 76) < 3 &&
                                     std::abs(pixels[i + 2] - 204) < 3;
            drawn += clearColour ? 0 : 1;
        }
        EXPECT_GT(drawn, 2000) << name;
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << name;
    }

    const std::string folder = SCRIVEL_BUILD_DIR "snapshots/";
    std::unique_ptr<test::GlWindow> window;
    test::TempDir dir;
    std::unique_ptr<TView> view;
    std::unique_ptr<TGameData> game;
};

TEST_F(ViewSnapshots, EveryScreen) {
    view->SetMode(0);
    view->AddFoundWord("axe", 1, 0, 7);
    view->AddFoundWord("rue", 4, 1, 5);
    view->AddFoundWord("mer", 2, 0, 6);
    Snapshot("menu");

    view->SetMode(1);
    const char* rows[] = {"......s.", "....a.el", "m.r.ux.e", "sales.mr"};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 8; ++c) {
            if (rows[r][c] != '.') {
                game->Grid().SetCell(c, 4 + r, static_cast<std::uint8_t>(rows[r][c]));
            }
        }
    }
    view->SetNextLetter(0); // the next letter is a joker
    for (int tick = 0; tick < 8 && view->ActiveLetter() == nullptr; ++tick) {
        view->UpdateFalling();
    }
    // Let the first letter land, then bring the joker down part of the way.
    while (!view->Landed()) {
        view->UpdateFalling();
    }
    int column = 0;
    int row = 0;
    view->GetLandingCell(column, row);
    game->Grid().Drop(column, row, view->GetFallingLetter());
    view->SetNextLetter('t');
    for (int tick = 0; tick < 120; ++tick) {
        view->UpdateFalling();
        if (view->ActiveLetter() != nullptr && view->ActiveLetter()->CurrentRow() >= 1) {
            break;
        }
    }
    ASSERT_NE(view->ActiveLetter(), nullptr);
    EXPECT_TRUE(view->ActiveLetter()->Joker);
    Snapshot("game");

    view->SetMode(2);
    Snapshot("game_over", 5);
    view->SetMode(3);
    Snapshot("name_entry", 25);
    view->SetMode(4);
    Snapshot("options");
}

} // namespace
} // namespace scrivel
