#pragma once

#include "states/state.h"

namespace scrivel {

// "GAME OVER": Space or "p" starts a new game.
class TGameOverState : public TState {
public:
    using TState::TState;
    void Enter() override;
    void OnKeyPress(char key) override;
};

} // namespace scrivel
