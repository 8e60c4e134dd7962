#include "platform/x_error_trap.h"

#include "platform/x11_internal.h"

#include <utility>

namespace scrivel::platform {

struct XErrorTrapAccess {
    static void Record(XErrorTrap& trap, Display* display, const XErrorEvent& error) {
        if (trap.errorCode_ != 0) {
            return;
        }
        trap.errorCode_ = error.error_code;
        char text[256] = {};
        XGetErrorText(display, error.error_code, text, sizeof text);
        trap.errorText_ = text;
    }
};

// Installed by the application for its whole life.
int HandleXError(Display* display, XErrorEvent* error) {
    Application* app = Application::Current();
    if (app == nullptr) {
        return 0;
    }
    Application::Impl& impl = app->Internals();
    if (impl.trap != nullptr) {
        XErrorTrapAccess::Record(*impl.trap, display, *error);
        return 0;
    }
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    impl.ReportOnce("X11: request " + std::to_string(error->request_code) + "." +
                    std::to_string(error->minor_code) + " failed: " + text);
    return 0;
}

XErrorTrap::XErrorTrap(Application& app, std::string subsystem)
    : app_(app), subsystem_(std::move(subsystem)) {
    Application::Impl& impl = app_.Internals();
    // Errors of earlier requests belong to whoever made them, not to this trap.
    XSync(impl.display, False);
    previous_ = std::exchange(impl.trap, this);
}

XErrorTrap::~XErrorTrap() {
    Application::Impl& impl = app_.Internals();
    XSync(impl.display, False);
    impl.trap = previous_;
}

bool XErrorTrap::Succeeded() {
    XSync(app_.Internals().display, False);
    return errorCode_ == 0;
}

bool XErrorTrap::Check(const std::string& action) {
    if (Succeeded()) {
        return true;
    }
    app_.Internals().ReportOnce(subsystem_ + ": " + action + ": " + errorText_);
    return false;
}

} // namespace scrivel::platform
