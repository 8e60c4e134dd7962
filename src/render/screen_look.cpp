#include "render/screen_look.h"

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
constexpr ScreenLook kGameOver{.Camera = {6, 2, 5, 0, -100, 5},
                               .ScoreTable = ScoreTableShown::Always,
                               .GameOverLines =
                                   KeyInvite{texts::TextId::PressSpace, texts::TextId::ToPlayAgain},
                               .Banner = std::nullopt};
constexpr ScreenLook kNameEntry{
    .Camera = {6, 2, 5, 0, -100, 5},
    .ScoreTable = ScoreTableShown::Always,
    .NamePrompt = true,
    // Space does nothing here: Enter keeps the name.
    .GameOverLines = KeyInvite{texts::TextId::PressEnter, texts::TextId::ToKeepYourName},
    .Banner = std::nullopt};
constexpr ScreenLook kOptions{.Camera = {0, -0.0f, 23, -10, 0, 0},
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

} // namespace scrivel
