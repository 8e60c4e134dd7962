#include "gl_fixture.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace scrivel::test {

namespace {

void InitGlutOnce() {
    static const bool done = [] {
        int argc = 1;
        char name[] = "scrivel-tests";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        return true;
    }();
    static_cast<void>(done);
}

} // namespace

struct GlWindow::Impl {
    Display* display = nullptr;
    Window window = 0;
    Colormap colormap = 0;
    GLXContext context = nullptr;

    ~Impl() {
        if (display == nullptr) {
            return;
        }
        if (context != nullptr) {
            glXMakeCurrent(display, None, nullptr);
            glXDestroyContext(display, context);
        }
        if (window != 0) {
            XDestroyWindow(display, window);
        }
        if (colormap != 0) {
            XFreeColormap(display, colormap);
        }
        XCloseDisplay(display);
    }
};

GlWindow::GlWindow(int width, int height)
    : impl_(std::make_unique<Impl>()), width_(width), height_(height) {
    impl_->display = XOpenDisplay(nullptr);
    if (impl_->display == nullptr) {
        throw std::runtime_error("GL tests need an X display: none is reachable (DISPLAY is '" +
                                 std::string(getenv("DISPLAY") ? getenv("DISPLAY") : "") +
                                 "'); run them under xvfb-run -a");
    }
    Display* display = impl_->display;
    int attributes[] = {
        GLX_RGBA, GLX_DOUBLEBUFFER, GLX_RED_SIZE, 8,   GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE,
        8,        GLX_DEPTH_SIZE,   24,           None};
    XVisualInfo* visual = glXChooseVisual(display, DefaultScreen(display), attributes);
    if (visual == nullptr) {
        throw std::runtime_error("GLX: no double-buffered RGBA visual with a 24-bit depth buffer");
    }
    Window root = RootWindow(display, visual->screen);
    impl_->colormap = XCreateColormap(display, root, visual->visual, AllocNone);
    XSetWindowAttributes set{};
    set.colormap = impl_->colormap;
    set.event_mask = StructureNotifyMask;
    impl_->window = XCreateWindow(display, root, 0, 0, static_cast<unsigned>(width),
                                  static_cast<unsigned>(height), 0, visual->depth, InputOutput,
                                  visual->visual, CWColormap | CWEventMask, &set);
    impl_->context = glXCreateContext(display, visual, nullptr, True);
    XFree(visual);
    if (impl_->context == nullptr) {
        throw std::runtime_error("GLX: cannot create a context");
    }
    XMapWindow(display, impl_->window);
    // A bounded wait: a server or window manager that never maps it fails the test clearly.
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (XEvent event{}; event.type != MapNotify;) {
        if (!XCheckWindowEvent(display, impl_->window, StructureNotifyMask, &event)) {
            if (std::chrono::steady_clock::now() > end) {
                throw std::runtime_error("X11: the test window was not mapped within 10 s");
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    MakeCurrent();
    InitGlutOnce();
    glViewport(0, 0, width, height);
}

GlWindow::~GlWindow() = default;

void GlWindow::MakeCurrent() {
    if (!glXMakeCurrent(impl_->display, impl_->window, impl_->context)) {
        throw std::runtime_error("GLX: cannot make the test context current");
    }
}

void GlWindow::SwapBuffers() {
    glXSwapBuffers(impl_->display, impl_->window);
}

std::vector<std::uint8_t> GlWindow::ReadPixels() const {
    std::vector<std::uint8_t> pixels(std::size_t{4} * width_ * height_);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void GlTest::SetUpTestSuite() {
    if (window_) {
        return;
    }
    try {
        window_ = std::make_unique<GlWindow>(kWidth, kHeight);
    } catch (const std::exception& e) {
        error_ = e.what();
    }
}

void GlTest::Ortho(double left, double right, double bottom, double top, double zNear,
                   double zFar) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(left, right, bottom, top, zNear, zFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void GlTest::SetUp() {
    ASSERT_TRUE(window_) << error_;
    window_->MakeCurrent();
}

} // namespace scrivel::test
