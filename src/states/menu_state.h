#pragma once

#include "states/state.h"

namespace scrivel {

// The menu with the score table: F1 plays, F2 opens the options, Escape quits.
class TMenuState : public TState {
public:
    using TState::TState;
    void Enter() override;
    void OnKeyDown(std::uint16_t& key, platform::ShiftState shift) override;
};

} // namespace scrivel
