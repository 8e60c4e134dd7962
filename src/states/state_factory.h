#pragma once

#include "states/state.h"

#include <memory>

namespace scrivel {

// The screen for a next-state code Options to GameOver; nothing for any other code.
std::unique_ptr<TState> CreateState(NextState code, TGameData& gameData, StateView& view);

} // namespace scrivel
