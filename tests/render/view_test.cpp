#include "model/game_data.h"
#include "model/options_data.h"
#include "render/grid.h"
#include "render/view.h"
#include "scene/bird.h"
#include "scene/camera.h"
#include "scene/gl_sun.h"
#include "scene/ground.h"
#include "scene/volcano.h"
#include "support/gl_fixture.h"
#include "support/temp_dir.h"

#include <GL/gl.h>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
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
    TView view(600, 500, SCRIVEL_GAME_DIR);
    const std::pair<ViewMode, std::vector<float>> targets[] = {
        {ViewMode::Menu, {10, 16, 20, 30, -50, 0}},  {ViewMode::Game, {0, 5, 20, 12, 0, 0}},
        {ViewMode::GameOver, {6, 2, 5, 0, -100, 5}}, {ViewMode::NameEntry, {6, 2, 5, 0, -100, 5}},
        {ViewMode::Options, {0, 0, 23, -10, 0, 0}},
    };
    for (const auto& [mode, expected] : targets) {
        view.SetMode(mode);
        EXPECT_EQ(view.Mode(), mode);
        EXPECT_EQ(target(view.Camera()), expected) << static_cast<int>(mode);
    }
    view.SetMode(static_cast<ViewMode>(9)); // not a screen: the camera keeps its target
    EXPECT_EQ(target(view.Camera()), (std::vector<float>{0, 0, 23, -10, 0, 0}));
}

class ViewTest : public test::GlTest {
protected:
    void Start(int gridSize, unsigned seed = 3) {
        game.reset(); // it saves its options when it goes
        dir.Write("words.let", "axe/ami/rue/sel/mer/les/");
        dir.Write("options.ini", "[GridSize]\r\nSize=" + std::to_string(gridSize) + "\r\n");
        view = std::make_unique<TView>(kWidth, kHeight, SCRIVEL_GAME_DIR);
        game = std::make_unique<TGameData>(*view, platform::GameFolders::Beside(dir.Path()), seed);
        view->Build();
        view->Resize(kWidth, kHeight);
    }
    // One game tick as the game host and the window run it: the play screen's tick, then the
    // scene's.
    void PlayTick() {
        view->UpdateFalling();
        if (view->Landed()) {
            int column = 0;
            int row = 0;
            view->GetLandingCell(column, row);
            game->PlaceLetter(view->GetFallingLetter(), column, row);
        }
        view->Step();
    }
    std::vector<std::uint8_t> Frame() {
        view->Draw();
        glFinish();
        return Window().ReadPixels();
    }
    void TearDown() override { game.reset(); }

    test::TempDir dir;
    std::unique_ptr<TView> view;
    std::unique_ptr<TGameData> game;
};

TEST_F(ViewTest, GeometrySpansTheSameSixByFourUnitsForAnySize) {
    Start(12);
    EXPECT_FLOAT_EQ(view->Layout().CellWidth, 0.5f);
    EXPECT_FLOAT_EQ(view->Grid()->Left(), -2.75f);
    game->Options().GridSize = 5;
    view->ApplyOptions();
    EXPECT_EQ(game->Grid().Rows(), 5);
    EXPECT_NEAR(view->Grid()->Left(), -2.4f, 1e-5) << "the grid stays centred";
    EXPECT_FLOAT_EQ(view->Grid()->Top(), 4.0f);
    EXPECT_NEAR(view->Ground()->Location().y, 4.0f - 4.5f * 0.8f - 1.0f, 1e-5);
    EXPECT_FLOAT_EQ(view->Ground()->Location().z, 1.0f) << "one unit nearer than at build time";
    view->Resize(0, 0);
    EXPECT_EQ(view->WindowWidth(), kWidth) << "0 x 0 is ignored";
}

TEST_F(ViewTest, BannerScrollsInWindowsOfAnyWidth) {
    Start(4);
    view->SetMode(ViewMode::Menu);
    for (const int width : {kWidth, 40}) {
        view->Resize(width, kHeight);
        view->Step();
        const int before = view->BannerX();
        view->Step();
        EXPECT_LT(view->BannerX(), before) << "width " << width;
    }
}

// The scene's tick starts the eruption the letters ask for and counts it down.
TEST_F(ViewTest, OneEruptionPerLetterAndTheVolcanoCountsItDownByTicks) {
    Start(8);
    game->NewGame();
    view->SetMode(ViewMode::Game);
    int starts = 0;
    for (int tick = 0; tick < 300 && !game->GameOver(); ++tick) {
        const bool resting = view->Volcano()->Profile().Eruption() == 0;
        PlayTick();
        starts += resting && view->Volcano()->Profile().Eruption() == 90 ? 1 : 0;
    }
    const int arrivals = view->Flight().Arrivals();
    EXPECT_GE(arrivals, 3);
    EXPECT_NEAR(starts, arrivals, 1) << "one eruption per letter";
}

// Drawing reads the tick and changes nothing: a second frame of the same tick is the same picture
// and leaves every moving thing where it was; the next tick moves them.
TEST_F(ViewTest, DrawingOneTickTwiceGivesTheSamePictureAndMovesNothing) {
    Start(8);
    game->SetJokerOdds(1); // every letter a joker: they swell and flicker
    game->NewGame();
    view->SetMode(ViewMode::Game);
    for (int tick = 0; tick < 40; ++tick) {
        PlayTick();
    }
    const auto state = [this] {
        const LetterFlight& flight = view->Flight();
        const TVolcanoProfile& volcano = view->Volcano()->Profile();
        std::vector<float> all{view->Sun()->Path().X(),
                               static_cast<float>(view->Sun()->Path().Heading()),
                               static_cast<float>(volcano.Eruption()),
                               volcano.Q1x(),
                               view->Camera().Position().z,
                               view->Camera().Angles().x,
                               flight.Flying()->Z(),
                               flight.Flying()->Grow(),
                               static_cast<float>(view->BannerX())};
        for (int i = 0; i < TView::BirdCount; ++i) {
            all.insert(all.end(), {view->Bird(i)->CircleAngle(), view->Bird(i)->Beat().Phase()});
        }
        return all;
    };
    const std::vector<float> before = state();
    const auto first = Frame();
    const auto second = Frame();
    EXPECT_EQ(state(), before);
    EXPECT_TRUE(first == second) << "the same tick drawn twice";
    PlayTick();
    EXPECT_NE(state(), before) << "a tick moves the scene";
}

// Drawing never spends the rules' generator: a seeded game deals the same letters however many
// frames are drawn between its ticks, jokers included.
TEST_F(ViewTest, ASeededGameDealsTheSameLettersWhateverIsDrawn) {
    const auto play = [this](int framesPerTick) {
        Start(6, 17);
        game->SetJokerOdds(3);
        game->NewGame();
        view->SetMode(ViewMode::Game);
        std::string dealt; // jokers in capitals
        int arrivals = 0;
        for (int tick = 0; tick < 400 && !game->GameOver(); ++tick) {
            view->DropFast();
            PlayTick();
            for (int frame = 0; frame < framesPerTick; ++frame) {
                view->Draw();
            }
            if (view->Flight().Arrivals() > arrivals) {
                arrivals = view->Flight().Arrivals();
                const FallingLetter* letter = view->Flight().Falling();
                dealt += letter == nullptr ? '-'
                         : letter->Joker() ? static_cast<char>(std::toupper(letter->Letter()))
                                           : static_cast<char>(letter->Letter());
            }
        }
        return dealt;
    };
    const std::string undrawn = play(0);
    EXPECT_TRUE(std::any_of(undrawn.begin(), undrawn.end(), ::isupper)) << "no joker: " << undrawn;
    EXPECT_GE(undrawn.size(), 10u);
    EXPECT_EQ(play(3), undrawn);
}

TEST_F(ViewTest, SceneryInEveryModeAndTheLandscapeOnlyWithBackground) {
    Start(8);
    for (int mode = 0; mode <= 4; ++mode) {
        view->SetMode(static_cast<ViewMode>(mode));
        view->Step();
        view->Draw();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "mode " << mode;
    }
    view->SetMode(ViewMode::Game);
    view->PlaceCamera(0, 5, 20, 12, 0, 0); // the play camera, arrived
    const auto skyPixels = [this] {
        view->Step();
        view->Draw(); // the sky set in one frame clears the next
        const auto pixels = Frame();
        std::array<float, 4> sky{};
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
    const int without = skyPixels();
    EXPECT_GT(without, withLandscape + kWidth * kHeight / 20) << "the landscape is left out";
    game->Options().Background = true;
}

} // namespace
} // namespace scrivel
