#include "model/game_data.h"
#include "render/falling_lettre.h"
#include "render/grid.h"
#include "render/view.h"
#include "scene/camera.h"
#include "states/game_state.h"
#include "support/gl_fixture.h"
#include "support/temp_dir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <memory>

namespace scrivel {
namespace {

class ViewTest : public test::GlTest {
protected:
    void Start(int gridSize) {
        game.reset(); // it saves its options when it goes
        dir.Write("words.let", "axe/ami/rue/sel/mer/les/");
        dir.Write("options.ini", "[GridSize]\r\nSize=" + std::to_string(gridSize) + "\r\n");
        view = std::make_unique<TView>(kWidth, kHeight, SCRIVEL_GAME_DIR);
        game = std::make_unique<TGameData>(*view, dir.Path(), 3);
        view->Build();
        view->Resize(kWidth, kHeight);
    }
    void TearDown() override { game.reset(); }

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
    game->Grid().SetCell(7, 7, 'a');
    game->Options().GridSize = 5;
    view->ApplyOptions();
    EXPECT_EQ(game->Grid().Rows(), 5);
    EXPECT_EQ(game->Grid().Cell(7, 7), 0);
    EXPECT_FLOAT_EQ(view->Grid()->CellWidth, 6.0f / 5);
    view->Resize(0, 0);
    EXPECT_EQ(view->WindowWidth, kWidth) << "0 x 0 is ignored";
}

TEST_F(ViewTest, ModesMoveTheCamera) {
    Start(8);
    const struct {
        int mode;
        float x, y, z, ax, ay;
    } cases[] = {{0, 10, 16, 20, 30, -50},
                 {1, 0, 5, 20, 12, 0},
                 {2, 6, 2, 5, 0, -100},
                 {3, 6, 2, 5, 0, -100},
                 {4, 0, 0, 23, -10, 0}};
    for (const auto& c : cases) {
        view->SetMode(c.mode);
        const TCamera& camera = view->Camera();
        EXPECT_FLOAT_EQ(camera.TargetPosition.x, c.x) << c.mode;
        EXPECT_FLOAT_EQ(camera.TargetPosition.y, c.y) << c.mode;
        EXPECT_FLOAT_EQ(camera.TargetPosition.z, c.z) << c.mode;
        EXPECT_FLOAT_EQ(camera.TargetAngles.x, c.ax) << c.mode;
        EXPECT_FLOAT_EQ(camera.TargetAngles.y, c.ay) << c.mode;
    }
}

TEST_F(ViewTest, OneLetterCycleFliesFallsAndLandsForOneTick) {
    Start(8);
    game->SetJokerOdds(0);
    view->SetMode(1);
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
    int column = -1;
    int row = -1;
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

TEST_F(ViewTest, KeysSteerTheFlyingLetterAndEditTheName) {
    Start(8);
    view->SetMode(1);
    TFallingLettre* flying = view->FlyingLetter();
    flying->SetColumn(3);
    view->MoveLeft();
    EXPECT_EQ(flying->Column, 2);
    view->MoveRight();
    view->MoveRight();
    EXPECT_EQ(flying->Column, 4);
    view->EditName('x');
    EXPECT_EQ(view->NameText(), "Anonymex");
    for (int i = 0; i < 12; ++i) {
        view->EditName(8);
    }
    EXPECT_EQ(view->NameText(), "");
}

TEST_F(ViewTest, WholeGameKeepsEveryColumnResting) {
    Start(6);
    TGameState play(*game, *view); // ticked as the play screen ticks
    for (int ticks = 1; !game->GameOver() && ticks < 200000; ++ticks) {
        play.Update();
        if (ticks % 21 == 0 && view->ActiveLetter() != nullptr) {
            view->DropFast();
        }
        if (ticks % 50 == 0) {
            view->Draw();
        }
        const TLetterArray& grid = game->Grid();
        for (int c = 0; c < grid.Cols(); ++c) {
            for (int r = 1; r < grid.Rows(); ++r) {
                ASSERT_FALSE(grid.Cell(c, r - 1) != 0 && grid.Cell(c, r) == 0)
                    << "gap in column " << c << " at tick " << ticks;
            }
        }
    }
    EXPECT_TRUE(game->GameOver());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
} // namespace scrivel
