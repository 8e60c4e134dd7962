#pragma once

#include "platform/input.h"
#include "platform/key_map.h"

#include <cstdint>

namespace scrivel {

class StateView;
class TGameData;

// Codes by which a screen names the next one.
enum class NextState : std::int8_t {
    Stay = 0,
    Options = 1,
    Menu = 2,
    Game = 3,
    NameEntry = 4,
    GameOver = 5,
    Quit = 6,
};

// One screen of the program: it takes keys and ticks, acts on the game data and the view, and names
// the screen it wants next in NextState. The host calls Enter when the screen comes and Leave when
// it goes, the program's end included; construction and destruction do no work of the game.
class TState {
public:
    TState(TGameData& gameData, StateView& view) : GameData(gameData), View(view) {}
    virtual ~TState() = default;
    TState(const TState&) = delete;
    TState& operator=(const TState&) = delete;

    // The screen becomes the current one: it sets the view's mode and starts what it shows.
    virtual void Enter() = 0;
    // The screen goes, to another one or because the program ends.
    virtual void Leave() {}

    // A typed character, 8 for Backspace, 13 for Enter and 27 for Escape included.
    virtual void OnKeyPress(char /*key*/) {}
    // A key pressed: Escape asks to quit.
    virtual void OnKeyDown(std::uint16_t& key, platform::ShiftState /*shift*/) {
        if (key == platform::key::kEscape) {
            NextState = NextState::Quit;
        }
    }
    // One game tick.
    virtual void Update() {}

    TGameData& GameData;
    StateView& View;
    scrivel::NextState NextState = scrivel::NextState::Stay;
};

} // namespace scrivel
