#include "shell/gl_window.h"

#include "model/game_data.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/termination.h"
#include "render/view.h"
#include "shell/game_host.h"

namespace scrivel {

TGLWindow::TGLWindow(platform::Window& owner, int left, int top, int width, int height,
                     const platform::GameFolders& folders)
    : TGLPanel(owner, width, height) {
    SetBounds(left, top, width, height);
    view_ = std::make_unique<TView>(width, height, folders.Data());
    gameData_ = std::make_unique<TGameData>(*view_, folders);
    host_ = std::make_unique<GameHost>(*gameData_, *view_, [this] { Quit(); });
    host_->StartClock(platform::MillisecondOfSecond());
    CreateContext();
    // Without a context there is nothing to build on; the game still runs and saves its files.
    if (HasContext()) {
        view_->Build();
        view_->Resize(Width(), Height());
        built_ = true;
    }
}

TGLWindow::~TGLWindow() {
    Release();
}

void TGLWindow::Release() {
    // The screen leaves first: an options screen applies its options to the view as it goes.
    if (host_) {
        host_->ReleaseState();
    }
    view_.reset();
    gameData_.reset();
    built_ = false;
}

void TGLWindow::Quit() {
    Release();
    App().Quit();
}

void TGLWindow::Paint() {
    if (built_ && view_) {
        view_->Draw();
        SwapBuffers();
    }
}

void TGLWindow::Resize(int width, int height) {
    if (built_ && view_) {
        view_->Resize(width, height);
    }
}

void TGLWindow::KeyPress(char key) {
    if (gameData_) {
        host_->KeyPress(key);
    }
}

void TGLWindow::KeyDown(std::uint16_t& key, platform::ShiftState shift) {
    if (gameData_) {
        host_->KeyDown(key, shift);
    }
}

void TGLWindow::Idle(bool& done) {
    done = false;
    if (platform::TerminationRequested()) {
        if (gameData_) {
            Quit();
        }
        return;
    }
    // Paused, nothing happens until the window comes back: the loop may sleep meanwhile.
    done = gameData_ && host_->Paused();
    if (gameData_ && host_->Idle(platform::MillisecondOfSecond())) {
        // Only a tick moves the scene; a repaint for any other reason draws it as it stands.
        view_->Step();
        Repaint();
    }
}

// Minimised, the game waits for the player: letters would otherwise land unseen. Every screen
// waits, not only play: nothing there can be seen either, and a sleeping loop costs nothing. A
// covered window goes on playing and only stops drawing (the platform paints nothing covered): a
// player glancing at another window expects the game to run, as it does on a compositing desktop,
// which never reports a window covered.
void TGLWindow::OnSightChange(platform::Sight sight) {
    if (!host_) {
        return;
    }
    if (sight == platform::Sight::Off) {
        host_->Pause();
    } else {
        host_->Resume(platform::MillisecondOfSecond());
    }
}

} // namespace scrivel
