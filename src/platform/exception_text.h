#pragma once

#include <string>

namespace scrivel::platform {

// The message of the exception being handled; call it inside a catch block. Empty for an exception
// that carries none (not a std::exception, or an empty what()): the caller words that case.
std::string CurrentExceptionText();

} // namespace scrivel::platform
