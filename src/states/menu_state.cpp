#include "states/menu_state.h"

#include "model/state_view.h"

namespace scrivel {

void TMenuState::Enter() {
    View.SetMode(ViewMode::Menu);
}

void TMenuState::OnKeyDown(std::uint16_t& key, platform::ShiftState shift) {
    TState::OnKeyDown(key, shift);
    if (key == platform::key::kF1) {
        NextState = NextState::Game;
    } else if (key == platform::key::kF2) {
        NextState = NextState::Options;
    }
}

} // namespace scrivel
