#pragma once

#include "states/state.h"

namespace scrivel {

// "GAME OVER": Space or "p" starts a new game.
class TGameOverState : public TState {
public:
    TGameOverState(TGameData& gameData, StateView& view);
    void OnKeyPress(char key) override;
};

} // namespace scrivel
