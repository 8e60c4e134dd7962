#include "states/option_state.h"

#include "model/state_view.h"

namespace scrivel {

TOptionState::TOptionState(TGameData& gameData, StateView& view) : TState(gameData, view) {
    View.SetMode(ViewMode::Options);
}

TOptionState::~TOptionState() {
    View.ApplyOptions();
}

void TOptionState::OnKeyPress(char key) {
    if (View.OptionKeyPress(key)) {
        View.ApplyOptions();
    }
    if (key == platform::key::kEscape) {
        NextState = NextState::Menu;
    }
}

void TOptionState::OnKeyDown(std::uint16_t& key, platform::ShiftState /*shift*/) {
    if (View.OptionKeyDown(key)) {
        View.ApplyOptions();
    }
    if (key == platform::key::kF1) {
        NextState = NextState::Menu;
    }
}

} // namespace scrivel
