#include "platform/fatal.h"

namespace scrivel::platform {

void Fatal(const std::string& text) {
    throw FatalError(text);
}

} // namespace scrivel::platform
