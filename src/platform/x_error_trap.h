#pragma once

#include <string>

namespace scrivel::platform {

class Application;

// Catches the X errors of the calls made while it lives (shapes, focus, GLX), instead of Xlib's
// default of ending the process. Check waits for the server and reports the first error once,
// naming the subsystem: "XShape: cannot shape the window: BadMatch (invalid parameter
// attributes)". Traps nest; the innermost one collects.
class XErrorTrap {
public:
    XErrorTrap(Application& app, std::string subsystem);
    ~XErrorTrap();
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    // True when every request so far succeeded. Otherwise reports the error on stderr, unless
    // this subsystem already reported the same action.
    bool Check(const std::string& action);
    // True when every request so far succeeded; reports nothing.
    bool Succeeded();

    // The first error's code (BadMatch is 8), 0 while there is none.
    int ErrorCode() const { return errorCode_; }

private:
    friend struct XErrorTrapAccess;

    Application& app_;
    std::string subsystem_;
    XErrorTrap* previous_ = nullptr;
    int errorCode_ = 0;
    std::string errorText_;
};

} // namespace scrivel::platform
