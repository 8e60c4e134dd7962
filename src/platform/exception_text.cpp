#include "platform/exception_text.h"

#include <exception>

namespace scrivel::platform {

std::string CurrentExceptionText() {
    std::string text;
    try {
        throw;
    } catch (const std::exception& error) {
        text = error.what();
    } catch (...) {
        // Nothing to say about it but that it happened.
    }
    return text;
}

} // namespace scrivel::platform
