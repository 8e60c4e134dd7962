#pragma once

#include "skin/tavrin_control.h"

#include <memory>

namespace scrivel {

namespace platform {
class GlContext;
}

// A control owning an OpenGL context on its own child window. Nothing is painted on it in 2-D, so
// only GL writes its pixels. It is the application's idle handler while it lives.
class TGLPanel : public TTavrinControl {
public:
    TGLPanel(platform::Window& owner, int width, int height);
    ~TGLPanel() override;

    // GLUT is used for bitmap text and the sun's sphere; it is started once, before any panel.
    static void InitGlut(int& argc, char** argv);

    // Creates the context on first use, then makes it current. Failures are shown to the player and
    // the game goes on without drawing.
    void CreateContext();
    bool HasContext() const;
    void SwapBuffers();

protected:
    virtual void Resize(int /*width*/, int /*height*/) {}
    // done: nothing to do until the next event, so the loop may sleep.
    virtual void Idle(bool& done) { done = false; }

    void Paint() override {}
    void OnResize(int width, int height) override { Resize(width, height); }

private:
    std::unique_ptr<platform::GlContext> context_;
    bool current_ = false;
};

} // namespace scrivel
