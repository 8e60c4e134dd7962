#include "states/name_state.h"

#include "model/game_data.h"
#include "model/state_view.h"

namespace scrivel {

void TNameState::Enter() {
    View.SetMode(ViewMode::NameEntry);
}

void TNameState::OnKeyPress(char key) {
    if (key == platform::key::kEnter) {
        NextState = NextState::Menu;
    } else if ((key >= 'a' && key <= 'z') || (key >= 'A' && key <= 'Z') ||
               key == platform::key::kBackspace) {
        // The table entry follows the name as typed so far.
        GameData.EditPlayerName(key);
    }
    if (key == platform::key::kEnter) {
        // The confirmed name is on disk at once, not only when the game ends.
        GameData.SaveScores();
    }
}

} // namespace scrivel
