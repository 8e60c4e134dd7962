#pragma once

#include "states/state.h"

namespace scrivel {

// Play: letters fly and fall on ticks, the arrows steer, Shift and Ctrl or typed letters set a
// joker, F2 abandons the game.
class TGameState : public TState {
public:
    using TState::TState;
    void Enter() override;
    void OnKeyPress(char key) override;
    void OnKeyDown(std::uint16_t& key, platform::ShiftState shift) override;
    void Update() override;
};

} // namespace scrivel
