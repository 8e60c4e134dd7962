#include "states/state_factory.h"

#include "states/game_over_state.h"
#include "states/game_state.h"
#include "states/menu_state.h"
#include "states/name_state.h"
#include "states/option_state.h"

namespace scrivel {

std::unique_ptr<TState> CreateState(NextState code, TGameData& gameData, StateView& view) {
    switch (code) {
    case NextState::Options:
        return std::make_unique<TOptionState>(gameData, view);
    case NextState::Menu:
        return std::make_unique<TMenuState>(gameData, view);
    case NextState::Game:
        return std::make_unique<TGameState>(gameData, view);
    case NextState::NameEntry:
        return std::make_unique<TNameState>(gameData, view);
    case NextState::GameOver:
        return std::make_unique<TGameOverState>(gameData, view);
    default:
        return nullptr;
    }
}

} // namespace scrivel
