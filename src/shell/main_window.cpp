#include "shell/main_window.h"

#include "platform/application.h"
#include "shell/gl_window.h"

namespace scrivel {

namespace {

platform::WindowBounds Centred(platform::Application& app) {
    return {(app.ScreenWidth() - MainWindow::DefaultWidth) / 2,
            (app.ScreenHeight() - MainWindow::DefaultHeight) / 2, MainWindow::DefaultWidth,
            MainWindow::DefaultHeight};
}

} // namespace

MainWindow::MainWindow(platform::Application& app, const std::string& folder)
    : platform::Window(app, platform::WindowKind::Plain, Centred(app), "Scrivel") {
    app.SetMainWindow(this);
    game_ = std::make_unique<TGLWindow>(*this, 0, 0, Width(), Height(), folder);
}

MainWindow::~MainWindow() {
    game_.reset();
}

void MainWindow::OnKeyDown(int code, platform::ShiftState shift) {
    if (game_) {
        auto key = static_cast<std::uint16_t>(code);
        game_->KeyDown(key, shift);
    }
}

void MainWindow::OnKeyPress(char key) {
    if (game_) {
        game_->KeyPress(key);
    }
}

void MainWindow::OnResize(int width, int height) {
    if (game_) {
        game_->SetSize(width, height);
    }
}

void MainWindow::OnCloseRequest() {
    if (game_) {
        game_->Quit();
    } else {
        App().Quit();
    }
}

} // namespace scrivel
