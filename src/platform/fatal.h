#pragma once

#include <string>

namespace scrivel::platform {

// Shows text in a message box, then ends the program with exit status 1: a start-up failure
// must not look like success to whoever started the game.
[[noreturn]] void Fatal(const std::string& text);

} // namespace scrivel::platform
