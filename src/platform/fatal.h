#pragma once

#include <stdexcept>
#include <string>

namespace scrivel::platform {

// A failure the game cannot start or go on after (a bitmap of the wrong size). It unwinds to main,
// so every object built so far is destroyed on the way (the game data saves its files), and main
// shows its text in a message box and ends with exit status 1.
class FatalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws FatalError with text, the message the player will read.
[[noreturn]] void Fatal(const std::string& text);

} // namespace scrivel::platform
