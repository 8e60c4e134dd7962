#pragma once

#include "platform/game_folders.h"
#include "platform/input.h"
#include "shell/gl_panel.h"

#include <cstdint>
#include <memory>
#include <string>

namespace scrivel {

class GameHost;
class TGameData;
class TView;

// The game host on its GL panel: owns the view, the game data and the screens, runs the clock from
// the idle handler, draws a frame after every tick and ends the game on request. The clock stops
// while the panel is off the screen (the form minimised).
class TGLWindow : public TGLPanel {
public:
    // folders says where the game's data and the player's files are.
    TGLWindow(platform::Window& owner, int left, int top, int width, int height,
              const platform::GameFolders& folders);
    // Releases the screen, the view and the game data in that order (the files are written).
    ~TGLWindow() override;

    void KeyPress(char key);
    void KeyDown(std::uint16_t& key, platform::ShiftState shift);
    // Writes the score table and the options, then ends the message loop.
    void Quit();

    GameHost* Host() const { return host_.get(); }
    TView* View() const { return view_.get(); }

protected:
    void Paint() override;
    void Resize(int width, int height) override;
    void Idle(bool& done) override;
    void OnSightChange(platform::Sight sight) override;

private:
    void Release();

    std::unique_ptr<TView> view_;
    std::unique_ptr<TGameData> gameData_;
    std::unique_ptr<GameHost> host_;
    bool built_ = false;
};

} // namespace scrivel
