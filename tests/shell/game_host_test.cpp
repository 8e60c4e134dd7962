#include "model/game_data.h"
#include "model/recording_view.h"
#include "shell/game_host.h"
#include "states/option_state.h"
#include "states/recording_state_view.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <memory>

namespace scrivel {
namespace {

class GameHostTest : public ::testing::Test {
protected:
    GameHostTest() {
        game = std::make_unique<TGameData>(gameView, platform::GameFolders::Beside(dir.Path()), 1);
        host = std::make_unique<GameHost>(*game, view, [this] { ++quits; });
    }
    void Down(std::uint16_t key) { host->KeyDown(key, platform::ShiftState::Empty); }
    // How many of the readings produced a tick.
    int Ticks(std::initializer_list<int> readings) {
        int ticks = 0;
        for (int reading : readings) {
            ticks += host->Idle(reading) ? 1 : 0;
        }
        return ticks;
    }

    test::TempDir dir;
    test::RecordingView gameView;
    test::RecordingStateView view;
    std::unique_ptr<TGameData> game;
    std::unique_ptr<GameHost> host;
    int quits = 0;
};

TEST_F(GameHostTest, TicksWhenThePeriodHasPassedOnTheMillisecondClock) {
    ASSERT_EQ(game->GetTickPeriod(), 50);
    host->StartClock(100);
    EXPECT_EQ(Ticks({100, 120, 149}), 0);
    EXPECT_EQ(Ticks({150}), 1);
    EXPECT_EQ(host->LastTick(), 150);
    // The second's roll-over makes a big difference: a tick at once.
    host->StartClock(990);
    EXPECT_EQ(Ticks({5}), 1);
    // A period of a second or more never ticks.
    game->Options().TickPeriod = 1000;
    EXPECT_EQ(Ticks({0, 500, 999, 0}), 0);
}

// A paused clock never ticks; back, it waits a whole period from the reading it resumed at.
TEST_F(GameHostTest, APausedClockResumesOnePeriodLaterWithoutCatchingUp) {
    ASSERT_EQ(game->GetTickPeriod(), 50);
    host->StartClock(100);
    host->Pause();
    EXPECT_EQ(Ticks({150, 400, 999, 0, 100}), 0);
    host->Resume(700);
    EXPECT_EQ(Ticks({700, 749}), 0);
    EXPECT_EQ(Ticks({750}), 1);
    // Resuming a running clock (a covered window seen again) leaves its count alone.
    host->Resume(780);
    EXPECT_EQ(Ticks({800}), 1);
}

TEST_F(GameHostTest, UnknownCodesKeepTheScreenAndSixQuits) {
    TState* menu = host->State();
    for (int code : {7, 200, -1}) {
        menu->NextState = static_cast<NextState>(code);
        host->CheckState();
        EXPECT_EQ(host->State(), menu) << code;
    }
    EXPECT_EQ(quits, 0);
    Down(platform::key::kEscape);
    EXPECT_EQ(quits, 1);
}

// The options are applied once as the options screen goes, whichever way it goes, and before
// the next screen sets its mode.
TEST_F(GameHostTest, LeavingTheOptionsScreenAppliesThemOnce) {
    using Calls = std::vector<std::string>;
    const auto enterOptions = [this] {
        view.Take();
        Down(platform::key::kF2);
        ASSERT_NE(dynamic_cast<TOptionState*>(host->State()), nullptr);
        EXPECT_EQ(view.Take(), Calls{"SetMode 4"});
    };
    enterOptions();
    host->KeyPress(27);
    EXPECT_EQ(view.Take(), (Calls{"OptionKeyPress \x1b", "ApplyOptions", "SetMode 0"}));

    enterOptions();
    Down(platform::key::kF1);
    EXPECT_EQ(view.Take(), (Calls{"OptionKeyDown 112", "ApplyOptions", "SetMode 0"}));

    // Quitting, as the game window does before the view goes; the host's end adds nothing.
    enterOptions();
    host->ReleaseState();
    EXPECT_EQ(host->State(), nullptr);
    EXPECT_EQ(view.Take(), Calls{"ApplyOptions"});
    host.reset();
    EXPECT_TRUE(view.Take().empty());

    // A host that ends on the options screen still leaves it.
    host = std::make_unique<GameHost>(*game, view, [] {});
    enterOptions();
    host.reset();
    EXPECT_EQ(view.Take(), Calls{"ApplyOptions"});
}

} // namespace
} // namespace scrivel
