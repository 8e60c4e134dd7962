#pragma once

namespace scrivel::platform {

// SIGTERM and SIGHUP (a desktop logging out) only set a flag; the game polls it from its loop and
// shuts down the ordinary way, so its files are written.
void WatchTerminationSignals();
bool TerminationRequested();

} // namespace scrivel::platform
