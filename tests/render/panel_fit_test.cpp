#include "model/board_layout.h"
#include "model/options_data.h"
#include "render/head_up.h"
#include "render/option_module.h"
#include "render/screen_look.h"
#include "render/view.h"
#include "scene/camera.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace scrivel {
namespace {

// The game's panels: the four generated skins' and the form's without skins, each with the
// corner ellipse the game window is cut with (its width and height).
struct Panel {
    const char* name;
    int width, height, corner;
};
constexpr Panel kPanels[] = {{"sea glass", 396, 336, 50},
                             {"basalt", 400, 340, 50},
                             {"parchment", 440, 372, 50},
                             {"walnut", 520, 440, 233},
                             {"no skin", 520, 440, 233}};

// The longest name and score the table is laid out for.
constexpr int kNameLetters = 10;
constexpr int kScoreDigits = 6;

// A box in panel pixels, y up from the bottom.
struct Box {
    float left = 1e9f, bottom = 1e9f, right = -1e9f, top = -1e9f;
    void Add(const PanelPoint& p) {
        left = std::min(left, p.X);
        right = std::max(right, p.X);
        bottom = std::min(bottom, p.Y);
        top = std::max(top, p.Y);
    }
};

// Where the camera comes to rest on a screen reached from another.
CameraPose RestingPose(ViewMode from, ViewMode to, const Panel& panel) {
    const CameraPose a = CameraFor(*LookOf(from), panel.width, panel.height);
    const CameraPose b = CameraFor(*LookOf(to), panel.width, panel.height);
    TCamera camera;
    camera.Set(a.X, a.Y, a.Z, a.AngleX, a.AngleY, a.AngleZ);
    camera.SetTarget(b.X, b.Y, b.Z, b.AngleX, b.AngleY, b.AngleZ);
    for (int tick = 0; tick < 1000 && !camera.Arrived(); ++tick) {
        camera.Step();
    }
    const TVector3& p = camera.Position();
    const TVector3& r = camera.Angles();
    return {p.x, p.y, p.z, r.x, r.y, r.z};
}

// The letter cube centred a unit under (x, y, z) with half sides h, as projected.
void AddCube(Box& box, const CameraPose& pose, const Panel& panel, float x, float y, float z,
             float h) {
    for (int corner = 0; corner < 8; ++corner) {
        const PanelPoint p =
            Project(pose, x + ((corner & 1) != 0 ? h : -h), y - 1.0f + ((corner & 2) != 0 ? h : -h),
                    z + ((corner & 4) != 0 ? h : -h), panel.width, panel.height);
        ASSERT_GT(p.Depth, ViewFrustum::Near);
        box.Add(p);
    }
}

// The lowest pixel of the head-up name line (its 18-point face descends 5 pixels).
int HeadUpBottom(ViewMode mode, const Panel& panel) {
    const std::vector<HeadUpLine> lines = HeadUpLines(mode, panel.height, 25, 0, "Bob");
    return lines[1].Y - 5;
}

void ExpectInsideAndUnderHeadUp(const Box& box, const Panel& panel, int headUpBottom) {
    EXPECT_GE(box.left, 0.0f);
    EXPECT_LE(box.right, static_cast<float>(panel.width));
    EXPECT_GE(box.bottom, 0.0f);
    EXPECT_LT(box.top, static_cast<float>(headUpBottom));
}

TEST(PanelFit, ProjectionMatchesGlOnWorkedPoints) {
    // Straight ahead, 10 units away: the frustum's centre lies below the window's middle.
    const PanelPoint ahead = Project({0, 0, 10, 0, 0, 0}, 0, 0, 0, 600, 500);
    EXPECT_NEAR(ahead.X, 300.0f, 0.01f);
    EXPECT_NEAR(ahead.Y, 220.59f, 0.01f);
    EXPECT_NEAR(ahead.Depth, 10.0f, 1e-4f);
    // Turned 90 degrees to look along -x: +z lies to the left, +y up.
    const PanelPoint turned = Project({0, 0, 0, 0, -90, 0}, -10, 1, 1, 600, 500);
    EXPECT_NEAR(turned.X, 210.0f, 0.01f);
    EXPECT_NEAR(turned.Y, 308.82f, 0.01f);
    EXPECT_NEAR(turned.Depth, 10.0f, 1e-4f);
    // A quarter turn about the view axis takes +x up.
    const PanelPoint rolled = Project({0, 0, 10, 0, 0, 90}, 1, 0, 0, 600, 500);
    EXPECT_NEAR(rolled.X, 300.0f, 0.01f);
    EXPECT_NEAR(rolled.Y, 308.82f, 0.01f);
}

// The whole table, nine rows of a long name and a long score, on the screens that show it, for
// every grid size (the table stands left of the grid).
TEST(PanelFit, ScoreTableInsideEveryPanelAndUnderTheHeadUpLines) {
    const struct {
        ViewMode from, to;
    } visits[] = {{ViewMode::Game, ViewMode::NameEntry},
                  {ViewMode::Game, ViewMode::GameOver},
                  {ViewMode::NameEntry, ViewMode::Menu},
                  {ViewMode::Options, ViewMode::Menu},
                  {ViewMode::GameOver, ViewMode::Menu}};
    for (const Panel& panel : kPanels) {
        for (const auto& visit : visits) {
            const CameraPose pose = RestingPose(visit.from, visit.to, panel);
            for (int size = TOptionsData::MinGridSize; size <= TOptionsData::MaxGridSize; ++size) {
                SCOPED_TRACE(std::string(panel.name) + " screen " +
                             std::to_string(static_cast<int>(visit.to)) + " grid " +
                             std::to_string(size));
                const float left = BoardLayout::ForSize(size).GridLeft - 4.0f;
                Box names;
                Box scores;
                for (int row = 0; row < 9; ++row) {
                    const float y = TView::ListTop - 0.75f * static_cast<float>(row);
                    for (int i = 0; i < kNameLetters; ++i) {
                        AddCube(names, pose, panel, left, y, 10.0f - 0.5f * i, 0.25f);
                    }
                    for (int i = 0; i < kScoreDigits; ++i) {
                        AddCube(scores, pose, panel, left, y, 4.0f - 0.5f * i, 0.25f);
                    }
                }
                ExpectInsideAndUnderHeadUp(names, panel, HeadUpBottom(visit.to, panel));
                ExpectInsideAndUnderHeadUp(scores, panel, HeadUpBottom(visit.to, panel));
                // The columns never run into each other.
                EXPECT_LT(names.right, scores.left);
            }
        }
    }
}

// The heading, the nine titles with their pointer, and values as long as the screen lets them
// be, seen from where the camera stops coming from the menu.
TEST(PanelFit, OptionsListInsideEveryPanelAndUnderTheHeadUpLines) {
    constexpr float size = TOptionModule::LargestPulsedSize;
    constexpr float pitch = TOptionModule::LetterSize * 1.5f;
    for (const Panel& panel : kPanels) {
        SCOPED_TRACE(panel.name);
        for (const CameraPose& pose :
             {RestingPose(ViewMode::Menu, ViewMode::Options, panel),
              CameraFor(*LookOf(ViewMode::Options), panel.width, panel.height)}) {
            Box list;
            // "OPTIONS" from x = -2 at the top, 12.
            for (int i = 0; i < 7; ++i) {
                AddCube(list, pose, panel, -2.0f + 0.3f * i, 12.0f, 1.0f, 0.15f);
            }
            float y = 12.0f - pitch;
            for (int row = 0; row < 9; ++row) {
                // The pointer's back, then the title's first cube.
                AddCube(list, pose, panel, -5.0f - 0.7f, y, 1.0f, 0.2f);
                AddCube(list, pose, panel, -5.0f, y, 1.0f, 0.5f * TOptionModule::SelectedTitleSize);
                y -= pitch;
                const float last = TOptionModule::ValueX +
                                   static_cast<float>(TOptionModule::ValueCells - 1) * size;
                AddCube(list, pose, panel, last, y, 1.0f, 0.5f * size);
                y -= pitch;
            }
            ExpectInsideAndUnderHeadUp(list, panel, HeadUpBottom(ViewMode::Options, panel));
        }
    }
}

// Each head-up line's box (a face rises three quarters of its point size and descends a quarter;
// a letter is three quarters as wide on average) inside the panel's rounded rectangle.
TEST(PanelFit, HeadUpLinesInsideThePanelsRoundedCorners) {
    const std::string name = "ABCDEFGHIJ";
    for (const Panel& panel : kPanels) {
        const float r = 0.5f * static_cast<float>(panel.corner);
        const float w = static_cast<float>(panel.width);
        const float h = static_cast<float>(panel.height);
        // True when (x, y) lies inside the rectangle with its corners cut by the ellipse.
        const auto inside = [&](float x, float y) {
            if (x < 0 || y < 0 || x > w || y > h) {
                return false;
            }
            const float cx = std::clamp(x, r, w - r);
            const float cy = std::clamp(y, r, h - r);
            return std::hypot(x - cx, y - cy) <= r;
        };
        for (ViewMode mode : {ViewMode::Menu, ViewMode::Game, ViewMode::GameOver,
                              ViewMode::NameEntry, ViewMode::Options}) {
            for (int blink : {25, 5}) {
                SCOPED_TRACE(std::string(panel.name) + " screen " +
                             std::to_string(static_cast<int>(mode)) + " blink " +
                             std::to_string(blink));
                int font = 12;
                for (const HeadUpLine& line :
                     HeadUpLines(mode, panel.height, blink, 999999, name)) {
                    font = line.FontSize != 0 ? line.FontSize : font;
                    const int points = font <= 10 ? 10 : font <= 12 ? 12 : font <= 18 ? 18 : 24;
                    const float rise = 0.75f * static_cast<float>(points);
                    const float fall = 0.25f * static_cast<float>(points);
                    const float left = static_cast<float>(line.X);
                    const float right =
                        left +
                        0.75f * static_cast<float>(points * static_cast<int>(line.Text.size()));
                    const float bottom = static_cast<float>(line.Y) - fall;
                    const float top = static_cast<float>(line.Y) + rise;
                    EXPECT_TRUE(inside(left, top) && inside(left, bottom) && inside(right, top) &&
                                inside(right, bottom))
                        << line.Text << " at " << line.X << "," << line.Y << " size " << points;
                }
            }
        }
    }
}

} // namespace
} // namespace scrivel
