#pragma once

#include "states/state.h"

#include <memory>

namespace scrivel {

// The screen for a next-state code 1 to 5; nothing for any other code.
std::unique_ptr<TState> CreateState(int code, TGameData& gameData, StateView& view);

} // namespace scrivel
