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
        game = std::make_unique<TGameData>(gameView, platform::GameFolders::Beside(dir.Path()), 5);
        game->SetJokerOdds(0);
    }
    std::unique_ptr<TState> Make(NextState code) {
        auto state = CreateState(code, *game, view);
        state->Enter();
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

// Making a screen does nothing yet; entering it sets the view's mode.
TEST_F(StatesTest, EnteringAScreenSetsItsViewMode) {
    const std::pair<NextState, const char*> screens[] = {
        {NextState::Menu, "SetMode 0"},     {NextState::Game, "SetMode 1"},
        {NextState::GameOver, "SetMode 2"}, {NextState::NameEntry, "SetMode 3"},
        {NextState::Options, "SetMode 4"},
    };
    for (const auto& [code, call] : screens) {
        auto state = CreateState(code, *game, view);
        EXPECT_TRUE(view.Take().empty()) << call;
        state->Enter();
        EXPECT_EQ(view.Take(), Calls{call});
    }
}

// A key pressed (or a character typed) on a fresh screen, and where it leads.
TEST_F(StatesTest, KeysLeadFromEachScreenToTheNext) {
    namespace key = platform::key;
    using S = NextState;
    const struct {
        S screen;
        bool typed;
        int key;
        S next;
    } cases[] = {
        // clang-format off
        {S::Menu, false, key::kEscape, S::Quit},      {S::Game, false, key::kEscape, S::Quit},
        {S::GameOver, false, key::kEscape, S::Quit},  {S::Options, false, key::kEscape, S::Stay},
        {S::Options, true, 27, S::Menu},              {S::Menu, false, key::kF1, S::Game},
        {S::Menu, false, key::kF2, S::Options},   {S::Menu, false, key::kEnter, S::Stay},
        {S::Menu, true, 'p', S::Stay},
        {S::Game, false, key::kF2, S::Menu},      {S::NameEntry, false, key::kF1, S::Stay},
        {S::GameOver, true, 'x', S::Stay},            {S::GameOver, true, 'P', S::Stay},
        {S::GameOver, true, ' ', S::Game},            {S::GameOver, true, 'p', S::Game},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("screen " + std::to_string(static_cast<int>(c.screen)) + " key " +
                     std::to_string(c.key));
        auto state = Make(c.screen);
        if (c.typed) {
            state->OnKeyPress(static_cast<char>(c.key));
        } else {
            Down(*state, static_cast<std::uint16_t>(c.key));
        }
        EXPECT_EQ(state->NextState, c.next);
        if (c.screen == S::Menu) {
            EXPECT_TRUE(view.Take().empty()) << "the menu asks nothing of the view";
        }
    }
}

TEST_F(StatesTest, PlayKeysReachTheView) {
    game->Grid().SetCell(0, 3, 'q');
    auto play = Make(NextState::Game);
    EXPECT_EQ(game->Grid().Cell(0, 3), 0); // a new game starts empty
    namespace key = platform::key;
    const std::pair<std::uint16_t, const char*> keys[] = {
        // clang-format off
        {key::kLeft, "MoveLeft"},         {key::kNumpad4, "MoveLeft"},
        {key::kRight, "MoveRight"},       {key::kNumpad6, "MoveRight"},
        {key::kDown, "DropFast"},         {key::kNumpad7, "DropFast"},
        {key::kShift, "NextJokerLetter"}, {key::kControl, "PreviousJokerLetter"},
        // clang-format on
    };
    for (const auto& [code, call] : keys) {
        EXPECT_EQ(Down(*play, code), NextState::Stay);
        EXPECT_EQ(view.Take(), Calls{call}) << "key " << code;
    }
    for (std::uint16_t other : {key::kSpace, key::kUp, key::kF1, key::kEnter}) {
        EXPECT_EQ(Down(*play, other), NextState::Stay);
    }
    EXPECT_TRUE(view.Take().empty());
    for (char typed : {'Q', 'z', '5', ' ', '-'}) {
        play->OnKeyPress(typed);
    }
    EXPECT_EQ(view.Take(), (Calls{"SetJokerLetter Q", "SetJokerLetter z"}));
}

// Only the first nine rank, and an equal ninth keeps its place.
TEST_F(StatesTest, GameOverThatDoesNotRankGoesToTheMenu) {
    std::string table = "Anonyme=0\r\n";
    for (int i = 2; i <= 9; ++i) {
        table = "P=" + std::to_string(100 * i) + "\r\n" + table;
    }
    game.reset();
    dir.Write("score.ini", table);
    game = std::make_unique<TGameData>(gameView, platform::GameFolders::Beside(dir.Path()), 5);
    auto play = Make(NextState::Game);
    view.landNext = true;
    for (int i = 0; i < 5; ++i) {
        play->Update();
    }
    EXPECT_EQ(play->NextState, NextState::Menu);
    EXPECT_EQ(game->Scores().Count(), 9);
    // Not in the table: renaming changes nothing, least of all the older entry.
    game->SetPlayerName("Zoe");
    EXPECT_EQ(game->PlayerName(), "Anonyme");
    EXPECT_EQ(game->Scores()[8], "Anonyme=0");
}

TEST_F(StatesTest, NameEntryFollowsTheTyping) {
    game->EnterScore(); // "Anonyme=0"
    auto name = Make(NextState::NameEntry);
    for (int i = 0; i < 8; ++i) { // one more than "Anonyme" can take
        name->OnKeyPress(8);
    }
    for (char key : {'B', '1', 'o', '!', 'b'}) {
        name->OnKeyPress(key);
    }
    EXPECT_EQ(game->PlayerName(), "Bob");
    EXPECT_EQ(game->Scores()[0], "Bob=0");
    EXPECT_EQ(name->NextState, NextState::Stay);
    name->OnKeyPress(13);
    EXPECT_EQ(name->NextState, NextState::Menu);
    EXPECT_EQ(game->Scores()[0], "Bob=0");
    // Enter writes the confirmed name at once, not only when the game ends.
    EXPECT_EQ(dir.Read("score.ini"), "Bob=0\r\n");
}

// Leaving applies them once more: the host test follows that, whichever way the screen goes.
TEST_F(StatesTest, OptionsScreenAppliesWhatNeedsARebuild) {
    auto options = Make(NextState::Options);
    EXPECT_EQ(Down(*options, platform::key::kRight), NextState::Stay);
    EXPECT_EQ(view.Take(), Calls{"OptionKeyDown 39"});
    view.optionAnswer = true;
    options->OnKeyPress(' ');
    EXPECT_EQ(view.Take(), (Calls{"OptionKeyPress  ", "ApplyOptions"}));
    EXPECT_EQ(Down(*options, platform::key::kF1), NextState::Menu);
}

} // namespace
} // namespace scrivel
