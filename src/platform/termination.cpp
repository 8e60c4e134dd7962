#include "platform/termination.h"

#include <csignal>

namespace scrivel::platform {

namespace {

// A signal handler can only reach static storage; this flag is all it touches.
volatile std::sig_atomic_t requested = 0;

extern "C" void OnTerminationSignal(int /*signal*/) {
    requested = 1;
}

} // namespace

void WatchTerminationSignals() {
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

bool TerminationRequested() {
    return requested != 0;
}

} // namespace scrivel::platform
