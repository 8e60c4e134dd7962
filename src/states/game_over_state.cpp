#include "states/game_over_state.h"

#include "model/state_view.h"

namespace scrivel {

void TGameOverState::Enter() {
    View.SetMode(ViewMode::GameOver);
}

void TGameOverState::OnKeyPress(char key) {
    if (key == ' ' || key == 'p') {
        NextState = NextState::Game;
    }
}

} // namespace scrivel
