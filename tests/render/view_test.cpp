#include "model/game_data.h"
#include "model/options_data.h"
#include "render/falling_lettre.h"
#include "render/grid.h"
#include "render/view.h"
#include "scene/bird.h"
#include "scene/camera.h"
#include "scene/gl_sun.h"
#include "scene/ground.h"
#include "scene/volcano.h"
#include "states/game_state.h"
#include "support/gl_fixture.h"
#include "support/temp_dir.h"

#include <GL/gl.h>
#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace scrivel {
namespace {

// Where the camera goes for each screen.
TEST(TView, CameraTargetPerMode) {
    const auto target = [](const TCamera& camera) {
        const TVector3& p = camera.TargetPosition();
        const TVector3& a = camera.TargetAngles();
        return std::vector<float>{p.x, p.y, p.z, a.x, a.y, a.z};
    };
    TView view(640, 480, SCRIVEL_GAME_DIR);
    const std::pair<ViewMode, std::vector<float>> targets[] = {
        {ViewMode::Menu, {10, 16, 20, 30, -50, 0}},  {ViewMode::Game, {0, 5, 20, 12, 0, 0}},
        {ViewMode::GameOver, {6, 2, 5, 0, -100, 5}}, {ViewMode::NameEntry, {6, 2, 5, 0, -100, 5}},
        {ViewMode::Options, {0, 0, 23, -10, 0, 0}},
    };
    for (const auto& [mode, expected] : targets) {
        view.SetMode(mode);
        EXPECT_EQ(view.Mode, mode);
        EXPECT_EQ(target(view.Camera()), expected) << static_cast<int>(mode);
    }
    view.SetMode(static_cast<ViewMode>(9)); // not a screen: the camera keeps its target
    EXPECT_EQ(target(view.Camera()), (std::vector<float>{0, 0, 23, -10, 0, 0}));
}

// Typed letters reach the flying letter while none falls, lower-cased, and only a joker takes them.
TEST(TView, JokerKeysChangeOnlyAJoker) {
    test::TempDir dir;
    TOptionsData options(dir.File("options.ini"));
    TView view(640, 480, SCRIVEL_GAME_DIR);
    view.SetOptions(options);
    view.SetMode(ViewMode::Game);
    view.SetNextLetter(0);
    view.UpdateFalling();
    view.UpdateFalling(); // the first letter falls, a joker flies
    ASSERT_NE(view.ActiveLetter(), nullptr);
    const std::uint8_t falling = view.ActiveLetter()->Letter;
    view.SetJokerLetter('Q');
    view.NextJokerLetter();
    EXPECT_EQ(view.ActiveLetter()->Letter, falling) << "not a joker";
    EXPECT_TRUE(view.FlyingLetter()->Joker);
    view.SetNextLetter('r'); // the falling letter has landed
    view.SetJokerLetter('Q');
    EXPECT_EQ(view.FlyingLetter()->Letter, 'q');
}

using Vec4 = std::array<float, 4>;

class ViewTest : public test::GlTest {
protected:
    void Start(int gridSize) {
        game.reset(); // it saves its options when it goes
        dir.Write("words.let", "axe/ami/rue/sel/mer/les/");
        dir.Write("options.ini", "[GridSize]\r\nSize=" + std::to_string(gridSize) + "\r\n");
        view = std::make_unique<TView>(kWidth, kHeight, SCRIVEL_GAME_DIR);
        game = std::make_unique<TGameData>(*view, platform::GameFolders::Beside(dir.Path()), 3);
        view->Build();
        view->Resize(kWidth, kHeight);
    }
    void TearDown() override { game.reset(); }

    test::TempDir dir;
    std::unique_ptr<TView> view;
    std::unique_ptr<TGameData> game;
};

TEST_F(ViewTest, GeometrySpansTheSameSixByFourUnitsForAnySize) {
    for (int n : {4, 12}) {
        Start(n);
        EXPECT_FLOAT_EQ(view->CellWidth, 6.0f / n);
        EXPECT_NEAR(view->GridLeft, -3.0f + 3.0f / n, 1e-5);
    }
    game->Options().GridSize = 5;
    view->ApplyOptions();
    EXPECT_EQ(game->Grid().Rows(), 5);
    EXPECT_NEAR(view->Grid()->Location.x, -3.0f + 3.0f / 5, 1e-5) << "the grid stays centred";
    EXPECT_FLOAT_EQ(view->Grid()->Location.y, view->GridTop);
    view->Resize(0, 0);
    EXPECT_EQ(view->WindowWidth, kWidth) << "0 x 0 is ignored";
}

TEST_F(ViewTest, BannerScrollsInWindowsOfAnyWidth) {
    Start(4);
    view->SetMode(ViewMode::Menu);
    for (const int width : {kWidth, 40}) {
        view->Resize(width, kHeight);
        view->Draw();
        const int before = view->BannerX;
        view->Draw();
        EXPECT_LT(view->BannerX, before) << "width " << width;
    }
}

TEST_F(ViewTest, OneLetterCycleFliesFallsAndLandsForOneTick) {
    Start(8);
    game->SetJokerOdds(0);
    view->SetMode(ViewMode::Game);
    EXPECT_GE(view->FlyingLetter()->y, view->LaunchY) << "the first letter starts above the grid";
    view->SetNextLetter('r');
    view->UpdateFalling(); // starts the flight
    view->UpdateFalling(); // the first letter reaches the grid at once
    ASSERT_NE(view->ActiveLetter(), nullptr);
    EXPECT_EQ(view->FlyingLetter()->Letter, 'r') << "the next one flies while this one falls";
    int flight = 0;
    while (!view->Landed() && ++flight < 500) {
        view->UpdateFalling();
    }
    int column = -1, row = -1;
    view->GetLandingCell(column, row);
    EXPECT_EQ(row, 7);
    EXPECT_EQ(column, view->ActiveLetter()->Column);
    game->PlaceLetter(view->GetFallingLetter(), column, row);
    EXPECT_EQ(view->ActiveLetter(), nullptr);
    view->UpdateFalling(); // landing paused the flight for one tick
    EXPECT_FALSE(view->Landed());
    while (view->ActiveLetter() == nullptr && ++flight < 500) {
        view->UpdateFalling();
    }
    EXPECT_NEAR(flight, 68, 2) << "(GridDepth - LaunchDepth) / 0.4 ticks of flight";
}

TEST_F(ViewTest, OneEruptionPerLetterInTheLastTenthOfItsFlight) {
    Start(8);
    TGameState play(*game, *view);
    view->SetMode(ViewMode::Game);
    int starts = 0, arrivals = 0;
    for (int tick = 0; tick < 300 && !game->GameOver(); ++tick) {
        const bool resting = view->Volcano()->Profile().Eruption() == 0;
        const TFallingLettre* flying = view->FlyingLetter();
        const float z = flying->z;
        play.Update();
        arrivals += view->FlyingLetter() != flying ? 1 : 0;
        if (resting && view->Volcano()->Profile().Eruption() == TVolcanoProfile::MaxEruption) {
            ++starts;
            EXPECT_GE(z, -0.7f) << "tick " << tick;
        }
        view->Draw(); // the volcano counts its eruption down as it draws
    }
    EXPECT_GE(arrivals, 3);
    EXPECT_NEAR(starts, arrivals, 1) << "one eruption per letter";
}

TEST_F(ViewTest, SceneryInEveryModeAndTheLandscapeOnlyWithBackground) {
    Start(8);
    for (int mode = 0; mode <= 4; ++mode) {
        view->SetMode(static_cast<ViewMode>(mode));
        view->Draw();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "mode " << mode;
    }
    view->SetMode(ViewMode::Game);
    view->Camera().Set(0, 5, 20, 12, 0, 0); // the play camera, arrived
    const auto skyPixels = [this] {
        view->Draw();
        glFinish();
        const auto pixels = Window().ReadPixels();
        Vec4 sky{};
        glGetFloatv(GL_COLOR_CLEAR_VALUE, sky.data());
        int count = 0;
        for (size_t i = 0; i < pixels.size(); i += 4) {
            count += std::abs(pixels[i + 2] - sky[2] * 255) < 2 &&
                     std::abs(pixels[i] - sky[0] * 255) < 2;
        }
        return count;
    };
    const int withLandscape = skyPixels();
    game->Options().Background = false;
    const float sunX = view->Sun()->Path().X();
    const float birdAngle = view->Bird(0)->CircleAngle;
    const int without = skyPixels();
    EXPECT_GT(without, withLandscape + kWidth * kHeight / 20) << "the landscape is left out";
    EXPECT_NE(view->Sun()->Path().X(), sunX);
    EXPECT_NE(view->Bird(0)->CircleAngle, birdAngle);
    game->Options().Background = true;
}

TEST_F(ViewTest, GroundPlateFollowsANewGridSize) {
    Start(8);
    EXPECT_FLOAT_EQ(view->Ground()->Location.z, 0.0f);
    game->Options().GridSize = 4;
    view->ApplyOptions();
    EXPECT_FLOAT_EQ(view->Ground()->Location.y, view->BaseHeight);
    EXPECT_FLOAT_EQ(view->Ground()->Location.z, 1.0f) << "one unit nearer than at build time";
}

} // namespace
} // namespace scrivel
