#pragma once

#include "states/state.h"

namespace scrivel {

// Name entry after a ranking score: letters and Backspace edit the name, Enter saves the
// table and goes to the menu.
class TNameState : public TState {
public:
    using TState::TState;
    void Enter() override;
    void OnKeyPress(char key) override;
};

} // namespace scrivel
