#pragma once

#include "states/state.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace scrivel {

class StateView;
class TGameData;

// The game's clock and screen switching, apart from any window: it ticks the current screen when
// the speed's period has passed on the millisecond-of-second clock, hands it the keys, and replaces
// it when it asks for another screen, leaving the old one before entering the new.
class GameHost {
public:
    // Starts on the menu, entered. quit is called when a screen asks to end the program.
    GameHost(TGameData& gameData, StateView& view, std::function<void()> quit);
    // Leaves the current screen if ReleaseState has not.
    ~GameHost();

    // Sets the clock's starting reading (0..999).
    void StartClock(int reading);
    // One idle call with the clock's reading; true when a tick ran and a frame is due. Never ticks
    // while paused.
    bool Idle(int reading);
    // Stops the clock, on every screen: nothing moves while the player cannot see the game.
    void Pause() { paused_ = true; }
    // Restarts a paused clock from reading (0..999): the next tick comes a whole period later,
    // never at once to catch up. A running clock goes on untouched.
    void Resume(int reading);
    bool Paused() const { return paused_; }

    void KeyPress(char key);
    void KeyDown(std::uint16_t& key, platform::ShiftState shift);

    // Acts on the current screen's NextState: another screen for 1 to 5, quit for 6.
    void CheckState();
    // Leaves the current screen and keeps none, while the view and the game data are still there.
    void ReleaseState() { SwitchTo(nullptr); }

    TState* State() const { return state_.get(); }
    int LastTick() const { return lastTick_; }

private:
    // The one place screens change: the old one leaves, then the new one (if any) enters.
    void SwitchTo(std::unique_ptr<TState> next);

    TGameData& gameData_;
    StateView& view_;
    std::function<void()> quit_;
    std::unique_ptr<TState> state_;
    int lastTick_ = 0;
    int currentTick_ = 0;
    bool paused_ = false;
};

} // namespace scrivel
