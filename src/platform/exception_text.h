#pragma once

#include <string>

namespace scrivel::platform {

// The message of the exception being handled, for the player; call it inside a catch block. An
// exception that carries no message (not a std::exception, or an empty what()) gets a plain one.
std::string CurrentExceptionText();

} // namespace scrivel::platform
