#pragma once

#include <cstdlib>
#include <functional>

namespace scrivel {

// Where the scenery's random draws come from: the C library's rand in the game, so that one
// generator state gives one landscape and one flock; a repeatable stand-in in tests and tools.
using RandomSource = std::function<int()>;

inline int CRandom() {
    return std::rand();
}

} // namespace scrivel
