#include "platform/gl_context.h"

#include "platform/x11_internal.h"
#include "platform/x_error_trap.h"

#include <GL/glx.h>

namespace scrivel::platform {

namespace {

// Stencil sizes to try, from what the game asks for down to none.
constexpr int kStencilSizes[] = {24, 8, 0};

XVisualInfo* FindVisual(Display* display, int screen) {
    for (const int stencil : kStencilSizes) {
        int attributes[] = {GLX_RGBA,
                            GLX_DOUBLEBUFFER,
                            GLX_RED_SIZE,
                            8,
                            GLX_GREEN_SIZE,
                            8,
                            GLX_BLUE_SIZE,
                            8,
                            GLX_DEPTH_SIZE,
                            24,
                            GLX_STENCIL_SIZE,
                            stencil,
                            None};
        if (XVisualInfo* info = glXChooseVisual(display, screen, attributes)) {
            return info;
        }
    }
    // Whatever double-buffered RGBA visual with a depth buffer there is.
    int fallback[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_DEPTH_SIZE, 16, None};
    return glXChooseVisual(display, screen, fallback);
}

// Whether the screen's default visual offers what the chosen one does.
bool DefaultVisualServes(Display* display, int screen, XVisualInfo& chosen) {
    XVisualInfo wanted{};
    wanted.visualid = XVisualIDFromVisual(DefaultVisual(display, screen));
    int count = 0;
    XVisualInfo* found = XGetVisualInfo(display, VisualIDMask, &wanted, &count);
    if (found == nullptr) {
        return false;
    }
    const auto config = [display](XVisualInfo& visual, int attribute) {
        int value = 0;
        return glXGetConfig(display, &visual, attribute, &value) == 0 ? value : -1;
    };
    bool serves = found->visualid == chosen.visualid;
    if (!serves && count > 0 && config(*found, GLX_USE_GL) == 1) {
        serves = true;
        for (const int attribute : {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_DEPTH_SIZE, GLX_STENCIL_SIZE,
                                    GLX_RED_SIZE, GLX_GREEN_SIZE, GLX_BLUE_SIZE}) {
            serves = serves && config(*found, attribute) >= config(chosen, attribute);
        }
    }
    XFree(found);
    return serves;
}

} // namespace

struct GlContext::Impl {
    Display* display = nullptr;
    ::Window window = 0;
    GLXContext context = nullptr;
};

VisualChoice GlContext::ChooseVisual(Application& app) {
    Application::Impl& x = app.Internals();
    XVisualInfo* info = FindVisual(x.display, x.screen);
    if (info == nullptr) {
        return {};
    }
    const VisualChoice choice{info->visualid, info->depth};
    const bool defaultServes = DefaultVisualServes(x.display, x.screen, *info);
    XFree(info);
    // NOTE: a child whose visual differs from its parent's is redirected off screen by servers
    // with Composite (Xvfb among them), and the parent then cannot draw where the child's
    // rectangle is, even outside the child's shape: the GL panel's rounded corners stay black.
    // The parent's visual is taken whenever it offers as much.
    return defaultServes ? VisualChoice{} : choice;
}

GlContext::GlContext(Window& window) : impl_(std::make_unique<Impl>()) {
    Application::Impl& x = window.App().Internals();
    impl_->display = x.display;
    impl_->window = window.Handle();

    XWindowAttributes attributes{};
    if (impl_->window == 0 || XGetWindowAttributes(x.display, impl_->window, &attributes) == 0) {
        error_ = "GLX: the window does not exist";
        return;
    }
    XVisualInfo wanted{};
    wanted.visualid = XVisualIDFromVisual(attributes.visual);
    int count = 0;
    XVisualInfo* info = XGetVisualInfo(x.display, VisualIDMask, &wanted, &count);
    if (info == nullptr) {
        error_ = "GLX: the window's visual is unknown";
        return;
    }
    XErrorTrap trap(window.App(), "GLX");
    impl_->context = glXCreateContext(x.display, info, nullptr, True);
    XFree(info);
    if (!trap.Check("cannot create a context") && impl_->context != nullptr) {
        glXDestroyContext(x.display, impl_->context);
        impl_->context = nullptr;
    }
    if (impl_->context == nullptr) {
        error_ = "GLX: cannot create a context";
    }
}

GlContext::~GlContext() {
    if (impl_->context != nullptr) {
        glXMakeCurrent(impl_->display, None, nullptr);
        glXDestroyContext(impl_->display, impl_->context);
    }
}

bool GlContext::Valid() const {
    return impl_->context != nullptr;
}

bool GlContext::MakeCurrent() {
    if (impl_->context == nullptr) {
        return false;
    }
    if (glXMakeCurrent(impl_->display, impl_->window, impl_->context) != True) {
        error_ = "GLX: cannot make the context current";
        return false;
    }
    return true;
}

void GlContext::SwapBuffers() {
    if (impl_->context != nullptr) {
        glXSwapBuffers(impl_->display, impl_->window);
    }
}

} // namespace scrivel::platform
