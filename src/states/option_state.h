#pragma once

#include "states/state.h"

namespace scrivel {

// The options screen: the module takes the arrows and Space; F1 or Escape go back to the menu.
// Leaving always applies the options to the view.
class TOptionState : public TState {
public:
    using TState::TState;
    void Enter() override;
    void Leave() override;
    void OnKeyPress(char key) override;
    // Escape does not quit here: it arrives as a typed character and returns to the menu.
    void OnKeyDown(std::uint16_t& key, platform::ShiftState shift) override;
};

} // namespace scrivel
