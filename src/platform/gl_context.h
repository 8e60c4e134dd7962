#pragma once

#include "platform/window.h"

#include <memory>
#include <string>

namespace scrivel::platform {

class Application;

// An OpenGL context on one window: chooses the visual (double-buffered RGBA, depth 24, stencil as
// close to 24 as offered), creates the context, makes it current and swaps the buffers.
class GlContext {
public:
    // The visual to create a GL window with; an empty choice when GLX offers none.
    static VisualChoice ChooseVisual(Application& app);

    // Creates a context for window (created with ChooseVisual's visual). Valid() tells whether it
    // exists; Error() says why not, or why MakeCurrent failed.
    explicit GlContext(Window& window);
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    bool Valid() const;
    const std::string& Error() const { return error_; }
    // False when the context could not be made current on the window.
    bool MakeCurrent();
    void SwapBuffers();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string error_;
};

} // namespace scrivel::platform
