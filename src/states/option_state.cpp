#include "states/option_state.h"

#include "model/state_view.h"

namespace scrivel {

void TOptionState::Enter() {
    View.SetMode(ViewMode::Options);
}

void TOptionState::Leave() {
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
