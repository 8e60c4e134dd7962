#include "states/game_state.h"

#include "model/game_data.h"
#include "model/state_view.h"

namespace scrivel {

namespace {

bool IsLetter(char key) {
    return (key >= 'a' && key <= 'z') || (key >= 'A' && key <= 'Z');
}

} // namespace

void TGameState::Enter() {
    GameData.NewGame();
    View.SetMode(ViewMode::Game);
}

void TGameState::OnKeyPress(char key) {
    if (IsLetter(key)) {
        View.SetJokerLetter(key);
    }
}

void TGameState::OnKeyDown(std::uint16_t& key, platform::ShiftState shift) {
    TState::OnKeyDown(key, shift);
    switch (key) {
    case platform::key::kLeft:
    case platform::key::kNumpad4:
        View.MoveLeft();
        break;
    case platform::key::kRight:
    case platform::key::kNumpad6:
        View.MoveRight();
        break;
    case platform::key::kDown:
    case platform::key::kNumpad7:
        View.DropFast();
        break;
    case platform::key::kShift:
        View.NextJokerLetter();
        break;
    case platform::key::kControl:
        View.PreviousJokerLetter();
        break;
    case platform::key::kF2:
        NextState = NextState::Menu;
        break;
    default:
        break;
    }
}

void TGameState::Update() {
    View.UpdateFalling();
    if (View.Landed()) {
        int column = 0;
        int row = 0;
        View.GetLandingCell(column, row);
        GameData.PlaceLetter(View.GetFallingLetter(), column, row);
    }
    if (GameData.GameOver()) {
        NextState = GameData.EnterScore() ? NextState::NameEntry : NextState::Menu;
    }
}

} // namespace scrivel
