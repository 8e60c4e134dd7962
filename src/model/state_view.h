#pragma once

#include <cstdint>

namespace scrivel {

// The screen the view draws, and where its camera goes.
enum class ViewMode : std::uint8_t {
    Menu = 0,
    Game = 1,
    GameOver = 2,
    NameEntry = 3,
    Options = 4,
};

// What the screens ask of the scene view: its mode, the letters' ticks and moves and the options
// screen. The view implements it; tests use a recording double.
class StateView {
public:
    virtual ~StateView() = default;

    virtual void SetMode(ViewMode mode) = 0;

    // One tick of the flying and the falling letter; Landed() then tells whether it came to rest.
    virtual void UpdateFalling() = 0;
    virtual bool Landed() const = 0;
    virtual void GetLandingCell(int& column, int& row) const = 0;
    // The falling letter's code, 'a' when none is falling.
    virtual std::uint8_t GetFallingLetter() const = 0;

    virtual void MoveLeft() = 0;
    virtual void MoveRight() = 0;
    virtual void DropFast() = 0;
    virtual void PreviousJokerLetter() = 0;
    virtual void NextJokerLetter() = 0;
    virtual void SetJokerLetter(char key) = 0;

    // The options screen's keys; true when the scene must be rebuilt.
    virtual bool OptionKeyPress(char key) = 0;
    virtual bool OptionKeyDown(int key) = 0;
    virtual void ApplyOptions() = 0;
};

} // namespace scrivel
