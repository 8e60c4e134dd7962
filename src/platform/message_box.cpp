#include "platform/message_box.h"

#include "platform/termination.h"

#include <cstdio>

namespace scrivel::platform {

namespace {

// Set only by the windowing layer's application, while it lives.
struct Handler {
    MessageBoxHandler show = nullptr;
    void* context = nullptr;
};

Handler& CurrentHandler() {
    static Handler handler;
    return handler;
}

} // namespace

void Notice(const std::string& text) {
    // fwrite rather than a format string: the text may hold '%' or NUL bytes.
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void MessageBox(const std::string& text) {
    Notice(text);
    const Handler handler = CurrentHandler();
    if (handler.show != nullptr && !TerminationRequested()) {
        handler.show(handler.context, text);
    }
}

void SetMessageBoxHandler(MessageBoxHandler handler, void* context) {
    CurrentHandler() = {handler, context};
}

} // namespace scrivel::platform
