#pragma once

namespace scrivel::platform {

// The millisecond field (0..999) of the current local wall-clock time: the game's tick clock.
int MillisecondOfSecond();

} // namespace scrivel::platform
