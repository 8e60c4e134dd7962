#include "states/game_over_state.h"

#include "model/state_view.h"

namespace scrivel {

TGameOverState::TGameOverState(TGameData& gameData, StateView& view) : TState(gameData, view) {
    View.SetMode(ViewMode::GameOver);
}

void TGameOverState::OnKeyPress(char key) {
    if (key == ' ' || key == 'p') {
        NextState = NextState::Game;
    }
}

} // namespace scrivel
