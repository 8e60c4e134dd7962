#include "render/screen_look.h"

#include <cmath>
#include <numbers>

namespace scrivel {

namespace {

constexpr ScreenLook kMenu{.Camera = {10, 16, 20, 30, -50, 0},
                           .ScoreTable = ScoreTableShown::Always,
                           .Board = true,
                           .FoundWords = true,
                           .Banner = texts::TextId::MenuBanner};
constexpr ScreenLook kGame{.Camera = {0, 5, 20, 12, 0, 0},
                           .ScoreTable = ScoreTableShown::WhileTheCameraMoves,
                           .Letters = true,
                           .Board = true,
                           .FoundWords = true,
                           .Banner = std::nullopt};
// The score table seen from the side runs off the top and the right of a small panel: further
// back and a little higher, its nine rows and both columns fit under the head-up lines.
constexpr CameraPose kCompactTable{10.5f, 2.5f, 3.0f, 0, -100, 5};

constexpr ScreenLook kGameOver{.Camera = {6, 2, 5, 0, -100, 5},
                               .CompactCamera = kCompactTable,
                               .ScoreTable = ScoreTableShown::Always,
                               .GameOverLines =
                                   KeyInvite{texts::TextId::PressSpace, texts::TextId::ToPlayAgain},
                               .Banner = std::nullopt};
constexpr ScreenLook kNameEntry{
    .Camera = {6, 2, 5, 0, -100, 5},
    .CompactCamera = kCompactTable,
    .ScoreTable = ScoreTableShown::Always,
    .NamePrompt = true,
    // Space does nothing here: Enter keeps the name.
    .GameOverLines = KeyInvite{texts::TextId::PressEnter, texts::TextId::ToKeepYourName},
    .Banner = std::nullopt};
// Further back and higher on a small panel: the heading clears the panel's top edge and the
// list the head-up lines, and the longest values stay inside the right edge.
constexpr ScreenLook kOptions{.Camera = {0, -0.0f, 23, -10, 0, 0},
                              .CompactCamera = CameraPose{0, 1.5f, 26, -10, 0, 0},
                              .OptionsList = true,
                              .GridPreview = true,
                              .Banner = texts::TextId::OptionsBanner};

} // namespace

const ScreenLook* LookOf(ViewMode mode) {
    switch (mode) {
    case ViewMode::Menu:
        return &kMenu;
    case ViewMode::Game:
        return &kGame;
    case ViewMode::GameOver:
        return &kGameOver;
    case ViewMode::NameEntry:
        return &kNameEntry;
    case ViewMode::Options:
        return &kOptions;
    }
    return nullptr;
}

const CameraPose& CameraFor(const ScreenLook& look, int width, int height) {
    const bool compact = width < FullPanel::Width || height < FullPanel::Height;
    return compact && look.CompactCamera ? *look.CompactCamera : look.Camera;
}

namespace {

// (a, b) turned by degrees about the axis they are perpendicular to, as glRotatef turns them.
void Turn(float& a, float& b, float degrees) {
    const double r = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(r);
    const double s = std::sin(r);
    const double na = c * a - s * b;
    const double nb = s * a + c * b;
    a = static_cast<float>(na);
    b = static_cast<float>(nb);
}

} // namespace

PanelPoint Project(const CameraPose& pose, float x, float y, float z, int width, int height) {
    // The camera's transform: the position taken off, then the turns about z, y and x.
    float ex = x - pose.X;
    float ey = y - pose.Y;
    float ez = z - pose.Z;
    Turn(ex, ey, pose.AngleZ);
    Turn(ez, ex, pose.AngleY);
    Turn(ey, ez, pose.AngleX);
    using F = ViewFrustum;
    const float depth = -ez;
    const float nx = (2.0f * F::Near * ex / depth - (F::Right + F::Left)) / (F::Right - F::Left);
    const float ny = (2.0f * F::Near * ey / depth - (F::Top + F::Bottom)) / (F::Top - F::Bottom);
    return {(nx + 1.0f) * 0.5f * static_cast<float>(width),
            (ny + 1.0f) * 0.5f * static_cast<float>(height), depth};
}

} // namespace scrivel
