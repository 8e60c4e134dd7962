#include "platform/clock.h"

#include <ctime>

namespace scrivel::platform {

int MillisecondOfSecond() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    // Time zones shift whole minutes, so the local time's milliseconds are the real clock's.
    return static_cast<int>(now.tv_nsec / 1000000);
}

} // namespace scrivel::platform
