#include "shell/game_host.h"

#include "model/game_data.h"
#include "states/menu_state.h"
#include "states/state_factory.h"

#include <cstdlib>

namespace scrivel {

GameHost::GameHost(TGameData& gameData, StateView& view, std::function<void()> quit)
    : gameData_(gameData), view_(view), quit_(std::move(quit)) {
    SwitchTo(std::make_unique<TMenuState>(gameData, view));
}

GameHost::~GameHost() {
    ReleaseState();
}

void GameHost::SwitchTo(std::unique_ptr<TState> next) {
    if (state_) {
        state_->Leave();
    }
    state_ = std::move(next);
    if (state_) {
        state_->Enter();
    }
}

void GameHost::StartClock(int reading) {
    currentTick_ = reading;
    lastTick_ = reading;
}

void GameHost::Resume(int reading) {
    if (paused_) {
        paused_ = false;
        StartClock(reading);
    }
}

bool GameHost::Idle(int reading) {
    if (!state_ || paused_) {
        return false;
    }
    currentTick_ = reading;
    const int period = gameData_.GetTickPeriod();
    // The clock is the millisecond of the second, so the difference jumps at each roll-over and a
    // tick fires early there; that is how the game has always paced itself.
    if (period > std::abs(currentTick_ - lastTick_)) {
        return false;
    }
    lastTick_ = currentTick_;
    state_->Update();
    CheckState();
    return true;
}

void GameHost::KeyPress(char key) {
    if (state_) {
        state_->OnKeyPress(key);
        CheckState();
    }
}

void GameHost::KeyDown(std::uint16_t& key, platform::ShiftState shift) {
    if (state_) {
        state_->OnKeyDown(key, shift);
        CheckState();
    }
}

void GameHost::CheckState() {
    if (!state_) {
        return;
    }
    const NextState code = state_->NextState;
    if (code == NextState::Quit) {
        if (quit_) {
            quit_();
        }
        return;
    }
    // A code outside the table keeps the screen.
    if (code < NextState::Options || code > NextState::GameOver) {
        return;
    }
    SwitchTo(CreateState(code, gameData_, view_));
}

} // namespace scrivel
