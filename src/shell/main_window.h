#pragma once

#include "platform/window.h"

#include <memory>

namespace scrivel {

class TGLWindow;

// The program's top-level window: it holds the game over its whole client area and gives it every
// key, wherever the pointer is.
class MainWindow : public platform::Window {
public:
    static constexpr int DefaultWidth = 600;
    static constexpr int DefaultHeight = 500;

    // Centred on the screen. folder holds the game's files; empty means the executable's folder.
    explicit MainWindow(platform::Application& app, const std::string& folder = {});
    ~MainWindow() override;

    TGLWindow* Game() const { return game_.get(); }

protected:
    void OnKeyDown(int code, platform::ShiftState shift) override;
    void OnKeyPress(char key) override;
    void OnResize(int width, int height) override;
    // Closing by the system ends the game the same way as Escape: the files are written.
    void OnCloseRequest() override;

private:
    std::unique_ptr<TGLWindow> game_;
};

} // namespace scrivel
