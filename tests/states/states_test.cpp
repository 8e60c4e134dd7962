#include "model/game_data.h"
#include "model/recording_view.h"
#include "states/game_over_state.h"
#include "states/game_state.h"
#include "states/menu_state.h"
#include "states/name_state.h"
#include "states/option_state.h"
#include "states/recording_state_view.h"
#include "states/state_factory.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace scrivel {
namespace {

using Calls = std::vector<std::string>;

class StatesTest : public ::testing::Test {
protected:
    StatesTest() {
        dir.Write("words.let", "axe/");
        dir.Write("options.ini", "[GridSize]\r\nSize=4\r\n");
        game = std::make_unique<TGameData>(gameView, dir.Path(), 5);
        game->SetJokerOdds(0);
    }
    std::unique_ptr<TState> Make(NextState code) {
        auto state = CreateState(code, *game, view);
        view.Take();
        return state;
    }
    NextState Down(TState& state, std::uint16_t key) {
        state.OnKeyDown(key, platform::ShiftState::Empty);
        return state.NextState;
    }

    test::TempDir dir;
    test::RecordingView gameView;
    test::RecordingStateView view;
    std::unique_ptr<TGameData> game;
};

TEST_F(StatesTest, EachScreenSetsItsModeWhenCreated) {
    const int modes[] = {4, 0, 1, 3, 2}; // codes 1 to 5
    for (int code = 1; code <= 5; ++code) {
        auto state = CreateState(static_cast<NextState>(code), *game, view);
        ASSERT_NE(state, nullptr);
        EXPECT_EQ(state->NextState, NextState::Stay);
        EXPECT_EQ(view.Take().back(), "SetMode " + std::to_string(modes[code - 1]));
    }
    EXPECT_EQ(CreateState(NextState::Stay, *game, view), nullptr);
    EXPECT_EQ(CreateState(NextState::Quit, *game, view), nullptr);
}

TEST_F(StatesTest, EscapeQuitsEverywhereButTheOptions) {
    for (NextState code :
         {NextState::Menu, NextState::Game, NextState::NameEntry, NextState::GameOver}) {
        auto state = Make(code);
        EXPECT_EQ(Down(*state, platform::key::kEscape), NextState::Quit)
            << "code " << static_cast<int>(code);
    }
    auto options = Make(NextState::Options);
    EXPECT_EQ(Down(*options, platform::key::kEscape), NextState::Stay);
    options->OnKeyPress(27);
    EXPECT_EQ(options->NextState, NextState::Menu);
}

TEST_F(StatesTest, MenuKeys) {
    EXPECT_EQ(Down(*Make(NextState::Menu), platform::key::kF1), NextState::Game);
    EXPECT_EQ(Down(*Make(NextState::Menu), platform::key::kF1 + 1), NextState::Options);
    auto menu = Make(NextState::Menu);
    for (std::uint16_t key : {platform::key::kLeft, platform::key::kRight, platform::key::kSpace,
                              platform::key::kEnter}) {
        EXPECT_EQ(Down(*menu, key), NextState::Stay);
    }
    menu->OnKeyPress('p');
    EXPECT_EQ(menu->NextState, NextState::Stay);
    EXPECT_TRUE(view.Take().empty());
}

TEST_F(StatesTest, PlayKeysReachTheView) {
    game->Grid().SetCell(0, 3, 'q');
    auto play = Make(NextState::Game);
    EXPECT_EQ(game->Grid().Cell(0, 3), 0); // a new game starts empty
    const std::pair<std::uint16_t, const char*> keys[] = {
        {platform::key::kLeft, "MoveLeft"},
        {platform::key::kNumpad0 + 4, "MoveLeft"},
        {platform::key::kRight, "MoveRight"},
        {platform::key::kNumpad0 + 6, "MoveRight"},
        {platform::key::kDown, "DropFast"},
        {platform::key::kNumpad0 + 7, "DropFast"},
        {platform::key::kShift, "NextJokerLetter"},
        {platform::key::kControl, "PreviousJokerLetter"},
    };
    for (const auto& [key, call] : keys) {
        EXPECT_EQ(Down(*play, key), NextState::Stay);
        EXPECT_EQ(view.Take(), Calls{call}) << "key " << key;
    }
    for (std::uint16_t key :
         {platform::key::kSpace, platform::key::kUp, platform::key::kF1, platform::key::kEnter}) {
        EXPECT_EQ(Down(*play, key), NextState::Stay);
    }
    EXPECT_TRUE(view.Take().empty());
    for (char key : {'Q', 'z', '5', ' ', '-'}) {
        play->OnKeyPress(key);
    }
    EXPECT_EQ(view.Take(), (Calls{"SetJokerLetter Q", "SetJokerLetter z"}));
    EXPECT_EQ(Down(*play, platform::key::kF1 + 1), NextState::Menu);
}

TEST_F(StatesTest, PlayTickPlacesLandedLettersAndEndsTheGame) {
    auto play = Make(NextState::Game);
    play->Update();
    EXPECT_EQ(view.Take(), Calls{"UpdateFalling"});
    EXPECT_EQ(game->Grid().Cell(2, 3), 0);

    view.landNext = true;
    view.landingColumn = 2;
    view.landingRow = 3;
    view.fallingLetter = 'x';
    play->Update();
    EXPECT_EQ(game->Grid().Cell(2, 3), 'x');
    EXPECT_EQ(play->NextState, NextState::Stay);

    // Fill column 2; the next landing there ends the game, and an empty table ranks it.
    for (int i = 0; i < 3; ++i) {
        play->Update();
    }
    EXPECT_EQ(play->NextState, NextState::Stay);
    play->Update();
    EXPECT_TRUE(game->GameOver());
    EXPECT_EQ(play->NextState, NextState::NameEntry);
    EXPECT_EQ(game->Scores().Count(), 1);
}

TEST_F(StatesTest, GameOverThatDoesNotRankGoesToTheMenu) {
    std::string table;
    for (int i = 1; i <= 9; ++i) {
        table += "P=" + std::to_string(100 * i) + "\r\n";
    }
    game.reset();
    dir.Write("score.ini", table);
    game = std::make_unique<TGameData>(gameView, dir.Path(), 5);
    auto play = Make(NextState::Game);
    view.landNext = true;
    for (int i = 0; i < 5; ++i) {
        play->Update();
    }
    EXPECT_EQ(play->NextState, NextState::Menu);
    EXPECT_EQ(game->Scores().Count(), 9);
}

TEST_F(StatesTest, NameEntryFollowsTheTyping) {
    game->EnterScore(); // "Anonyme=0"
    auto name = Make(NextState::NameEntry);
    for (int i = 0; i < 7; ++i) {
        name->OnKeyPress(8);
    }
    name->OnKeyPress(8); // nothing left to erase
    for (char key : {'B', '1', 'o', '!', 'b'}) {
        name->OnKeyPress(key);
    }
    EXPECT_EQ(view.NameText(), "Bob");
    EXPECT_EQ(game->Scores()[0], "Bob=0");
    EXPECT_EQ(name->NextState, NextState::Stay);
    EXPECT_EQ(Down(*name, platform::key::kF1), NextState::Stay);
    name->OnKeyPress(13);
    EXPECT_EQ(name->NextState, NextState::Menu);
    EXPECT_EQ(game->Scores()[0], "Bob=0");
    // Enter writes the confirmed name at once, not only when the game ends.
    EXPECT_EQ(dir.Read("score.ini"), "Bob=0\r\n");
}

TEST_F(StatesTest, GameOverScreenRestartsOnSpaceOrP) {
    for (char key : {' ', 'p'}) {
        auto over = Make(NextState::GameOver);
        over->OnKeyPress('x');
        over->OnKeyPress('P');
        EXPECT_EQ(over->NextState, NextState::Stay);
        over->OnKeyPress(key);
        EXPECT_EQ(over->NextState, NextState::Game);
    }
}

TEST_F(StatesTest, OptionsScreenAppliesWhatNeedsARebuildAndWhenLeaving) {
    {
        auto options = Make(NextState::Options);
        EXPECT_EQ(Down(*options, platform::key::kRight), NextState::Stay);
        EXPECT_EQ(view.Take(), Calls{"OptionKeyDown 39"});
        view.optionAnswer = true;
        options->OnKeyPress(' ');
        EXPECT_EQ(view.Take(), (Calls{"OptionKeyPress  ", "ApplyOptions"}));
        EXPECT_EQ(Down(*options, platform::key::kF1), NextState::Menu);
        view.Take();
    }
    EXPECT_EQ(view.Take(), Calls{"ApplyOptions"});
}

} // namespace
} // namespace scrivel
