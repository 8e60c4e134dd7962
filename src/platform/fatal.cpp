#include "platform/fatal.h"

#include "platform/message_box.h"

#include <cstdio>
#include <cstdlib>

namespace scrivel::platform {

void Fatal(const std::string& text) {
    MessageBox(text);
    std::fflush(nullptr);
    std::exit(EXIT_FAILURE);
}

} // namespace scrivel::platform
