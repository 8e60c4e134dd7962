#include "states/state_factory.h"

#include "states/game_over_state.h"
#include "states/game_state.h"
#include "states/menu_state.h"
#include "states/name_state.h"
#include "states/option_state.h"

namespace scrivel {

std::unique_ptr<TState> CreateState(int code, TGameData& gameData, StateView& view) {
    switch (code) {
    case GoToOptions:
        return std::make_unique<TOptionState>(gameData, view);
    case GoToMenu:
        return std::make_unique<TMenuState>(gameData, view);
    case GoToGame:
        return std::make_unique<TGameState>(gameData, view);
    case GoToNameEntry:
        return std::make_unique<TNameState>(gameData, view);
    case GoToGameOver:
        return std::make_unique<TGameOverState>(gameData, view);
    default:
        return nullptr;
    }
}

} // namespace scrivel
