#pragma once

#include <GL/gl.h>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace scrivel::test {

// A small mapped window with a current GL context, made as the game makes its own, on the server
// named by DISPLAY. glutInit runs once per process. Throws with a clear message when there is no
// display or no context, so GL tests fail instead of passing silently.
class GlWindow {
public:
    GlWindow(int width, int height);
    ~GlWindow();
    GlWindow(const GlWindow&) = delete;
    GlWindow& operator=(const GlWindow&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    void MakeCurrent();
    void SwapBuffers();
    // RGBA bytes of the back buffer, bottom row first, as glReadPixels gives them.
    std::vector<std::uint8_t> ReadPixels() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int width_;
    int height_;
};

// Base of every test that calls GL: one window per test suite, made current before each test.
class GlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite() { window_.reset(); }
    void SetUp() override;

    static GlWindow& Window() { return *window_; }
    // glOrtho's projection, and no model-view transform.
    static void Ortho(double left, double right, double bottom, double top, double zNear,
                      double zFar);
    // Clears to black, runs draw and returns the frame it leaves, as ReadPixels gives it.
    template <class Draw> static std::vector<std::uint8_t> DrawnFrame(Draw draw) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        draw();
        return window_->ReadPixels();
    }
    // How many pixels of a frame are not black.
    static int LitPixels(const std::vector<std::uint8_t>& frame);
    static constexpr int kWidth = 256;
    static constexpr int kHeight = 256;

private:
    static inline std::unique_ptr<GlWindow> window_;
    static inline std::string error_;
};

} // namespace scrivel::test
