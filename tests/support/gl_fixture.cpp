#include "gl_fixture.h"

#include "platform/application.h"
#include "platform/gl_context.h"
#include "platform/message_box.h"
#include "platform/window.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <chrono>
#include <stdexcept>
#include <string>

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

// The game's own way to a GL surface: a top-level window, a child with the GL visual, a context.
struct GlWindow::Impl {
    explicit Impl(int width, int height)
        : frame(app, platform::WindowKind::Plain, {0, 0, width, height}, "scrivel-tests"),
          surface(frame, {0, 0, width, height}, platform::GlContext::ChooseVisual(app)),
          context(surface) {
        // Messages go to stderr only: no one is there to close a box.
        platform::SetMessageBoxHandler(nullptr, nullptr);
    }

    platform::Application app;
    platform::Window frame;
    platform::Window surface;
    platform::GlContext context;
};

GlWindow::GlWindow(int width, int height) : width_(width), height_(height) {
    try {
        impl_ = std::make_unique<Impl>(width, height);
    } catch (const platform::DisplayError& error) {
        throw std::runtime_error(std::string(error.what()) +
                                 ": GL tests need an X display; run them under xvfb-run -a");
    }
    if (!impl_->context.Valid()) {
        throw std::runtime_error(impl_->context.Error());
    }
    impl_->frame.Show();
    // A bounded wait: a server or window manager that never maps it fails the test clearly.
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!impl_->surface.OnScreen()) {
        if (std::chrono::steady_clock::now() > end) {
            throw std::runtime_error("X11: the test window was not mapped within 10 s");
        }
        impl_->app.RunOnce(std::chrono::milliseconds(5));
    }
    MakeCurrent();
    InitGlutOnce();
    glViewport(0, 0, width, height);
}

GlWindow::~GlWindow() = default;

void GlWindow::MakeCurrent() {
    if (!impl_->context.MakeCurrent()) {
        throw std::runtime_error(impl_->context.Error());
    }
}

void GlWindow::SwapBuffers() {
    impl_->context.SwapBuffers();
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

int GlTest::LitPixels(const std::vector<std::uint8_t>& frame) {
    int lit = 0;
    for (std::size_t i = 0; i + 2 < frame.size(); i += 4) {
        lit += frame[i] != 0 || frame[i + 1] != 0 || frame[i + 2] != 0 ? 1 : 0;
    }
    return lit;
}

void GlTest::SetUp() {
    ASSERT_TRUE(window_) << error_;
    window_->MakeCurrent();
}

} // namespace scrivel::test
