#include "model/game_data.h"
#include "render/falling_lettre.h"
#include "render/found_words_mg.h"
#include "render/grid.h"
#include "render/view.h"
#include "scene/camera.h"
#include "states/game_state.h"
#include "support/gl_fixture.h"
#include "support/temp_dir.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace scrivel {
namespace {

class ViewTest : public test::GlTest {
protected:
    void Start(int gridSize, const std::string& words = "axe/ami/rue/sel/mer/les/") {
        dir.Write("words.let", words);
        dir.Write("options.ini", "[GridSize]\r\nSize=" + std::to_string(gridSize) + "\r\n");
        view = std::make_unique<TView>(kWidth, kHeight, SCRIVEL_GAME_DIR);
        game = std::make_unique<TGameData>(*view, dir.Path(), 3);
        view->Build();
        view->Resize(kWidth, kHeight);
    }
    void TearDown() override {
        game.reset();
        view.reset();
    }

    test::TempDir dir;
    std::unique_ptr<TView> view;
    std::unique_ptr<TGameData> game;
};

TEST_F(ViewTest, GeometrySpansTheSameSixByFourUnitsForAnySize) {
    for (int n : {4, 8, 12}) {
        Start(n);
        EXPECT_FLOAT_EQ(view->CellWidth, 6.0f / n);
        EXPECT_FLOAT_EQ(view->CellHeight, 4.0f / n);
        EXPECT_FLOAT_EQ(view->GridTop, 4.0f);
        EXPECT_NEAR(view->GridLeft, -3.0f + 3.0f / n, 1e-5);
        EXPECT_NEAR(view->BaseHeight, 4.0f / n * 0.5f - 1.0f, 1e-5);
        EXPECT_FLOAT_EQ(view->Grid()->Location.x, view->GridLeft);
        EXPECT_FLOAT_EQ(view->FlyingLetter()->z, TView::LaunchDepth);
    }
}

TEST_F(ViewTest, ModesMoveTheCamera) {
    Start(8);
    struct Case {
        int mode;
        float x, y, z, ax, ay;
    };
    for (const Case& c :
         {Case{0, 10, 16, 20, 30, -50}, Case{1, 0, 5, 20, 12, 0}, Case{2, 6, 2, 5, 0, -100},
          Case{3, 6, 2, 5, 0, -100}, Case{4, 0, 0, 23, -10, 0}}) {
        view->SetMode(c.mode);
        const TCamera& camera = view->Camera();
        EXPECT_FLOAT_EQ(camera.TargetPosition.x, c.x) << c.mode;
        EXPECT_FLOAT_EQ(camera.TargetPosition.y, c.y) << c.mode;
        EXPECT_FLOAT_EQ(camera.TargetPosition.z, c.z) << c.mode;
        EXPECT_FLOAT_EQ(camera.TargetAngles.x, c.ax) << c.mode;
        EXPECT_FLOAT_EQ(camera.TargetAngles.y, c.ay) << c.mode;
    }
    view->SetMode(9); // unknown: only the mode changes
    EXPECT_EQ(view->Mode, 9);
    EXPECT_FLOAT_EQ(view->Camera().TargetPosition.z, 23.0f);
}

TEST_F(ViewTest, OneLetterCycleFliesFallsAndLandsForOneTick) {
    Start(8);
    game->SetJokerOdds(0);
    view->SetMode(1);
    // The first letter of a game starts above the grid at its depth.
    EXPECT_GE(view->FlyingLetter()->y, view->LaunchY);
    view->SetNextLetter('r');
    view->UpdateFalling(); // starts the flight
    view->UpdateFalling(); // the first letter reaches the grid at once
    ASSERT_NE(view->ActiveLetter(), nullptr);
    EXPECT_EQ(view->FlyingLetter()->Letter, 'r');
    // The next letter has just left the volcano; it flies while this one falls.
    int flight = 0;
    while (!view->Landed() && flight < 500) {
        view->UpdateFalling();
        ++flight;
    }
    ASSERT_TRUE(view->Landed());
    int column = -1;
    int row = -1;
    view->GetLandingCell(column, row);
    EXPECT_EQ(row, 7);
    EXPECT_EQ(column, view->ActiveLetter()->Column);
    game->PlaceLetter(view->GetFallingLetter(), column, row);
    EXPECT_EQ(view->ActiveLetter(), nullptr);
    EXPECT_EQ(view->GetFallingLetter(), 'a');
    view->UpdateFalling(); // landing paused the flight for one tick
    EXPECT_FALSE(view->Landed());
    while (view->ActiveLetter() == nullptr && flight < 500) {
        view->UpdateFalling();
        ++flight;
    }
    // (GridDepth - LaunchDepth) / 0.4 ticks of flight.
    EXPECT_NEAR(flight, 68, 2);
}

TEST_F(ViewTest, KeysSteerTheFallingOrElseTheFlyingLetter) {
    Start(8);
    view->SetMode(1);
    TFallingLettre* flying = view->FlyingLetter();
    flying->SetColumn(3);
    view->MoveLeft();
    EXPECT_EQ(flying->Column, 2);
    view->MoveRight();
    view->MoveRight();
    EXPECT_EQ(flying->Column, 4);
    EXPECT_EQ(view->GetFallingLetter(), 'a');
    view->EditName('x');
    EXPECT_EQ(view->NameText(), "Anonymex");
    for (int i = 0; i < 12; ++i) {
        view->EditName(8);
    }
    EXPECT_EQ(view->NameText(), "");
    view->Resize(0, 0);
    EXPECT_EQ(view->WindowWidth, kWidth);
}

TEST_F(ViewTest, ApplyingOptionsResizesTheGridAndEmptiesIt) {
    Start(8);
    game->Grid().SetCell(7, 7, 'a');
    game->Options().GridSize = 5;
    view->ApplyOptions();
    EXPECT_EQ(game->Grid().Rows(), 5);
    EXPECT_EQ(game->Grid().Cell(7, 7), 0);
    EXPECT_FLOAT_EQ(view->CellWidth, 6.0f / 5);
    EXPECT_FLOAT_EQ(view->Grid()->CellWidth, 6.0f / 5);
}

// A whole game through the real view and game data, ticked as the play screen ticks them.
TEST_F(ViewTest, WholeGameKeepsEveryColumnResting) {
    Start(6);
    TGameState play(*game, *view);
    int ticks = 0;
    int frames = 0;
    while (!game->GameOver() && ticks < 200000) {
        play.Update();
        ++ticks;
        if (ticks % 7 == 0) {
            if (view->ActiveLetter() != nullptr && ticks % 3 == 0) {
                view->DropFast();
            }
        }
        if (ticks % 50 == 0) {
            view->Draw();
            ++frames;
        }
        const TLetterArray& grid = game->Grid();
        for (int c = 0; c < grid.Cols(); ++c) {
            bool letterAbove = false;
            for (int r = 0; r < grid.Rows(); ++r) {
                const bool filled = grid.Cell(c, r) != 0;
                ASSERT_FALSE(letterAbove && !filled)
                    << "gap in column " << c << " at tick " << ticks;
                letterAbove = letterAbove || filled;
            }
        }
    }
    EXPECT_TRUE(game->GameOver());
    EXPECT_GT(frames, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
} // namespace scrivel
