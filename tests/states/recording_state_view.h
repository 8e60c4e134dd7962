#pragma once

#include "model/state_view.h"

#include <string>
#include <utility>
#include <vector>

namespace scrivel::test {

// Records every call the screens make, in order, as short words ("SetMode 1", "MoveLeft").
class RecordingStateView : public StateView {
public:
    void SetMode(ViewMode mode) override {
        Log("SetMode " + std::to_string(static_cast<int>(mode)));
    }
    void UpdateFalling() override {
        Log("UpdateFalling");
        landed = landNext;
    }
    bool Landed() const override { return landed; }
    void GetLandingCell(int& column, int& row) const override { column = row = 0; }
    std::uint8_t GetFallingLetter() const override { return 'a'; }
    void MoveLeft() override { Log("MoveLeft"); }
    void MoveRight() override { Log("MoveRight"); }
    void DropFast() override { Log("DropFast"); }
    void PreviousJokerLetter() override { Log("PreviousJokerLetter"); }
    void NextJokerLetter() override { Log("NextJokerLetter"); }
    void SetJokerLetter(char key) override { Log(std::string("SetJokerLetter ") + key); }
    bool OptionKeyPress(char key) override {
        Log(std::string("OptionKeyPress ") + key);
        return optionAnswer;
    }
    bool OptionKeyDown(int key) override {
        Log("OptionKeyDown " + std::to_string(key));
        return optionAnswer;
    }
    void ApplyOptions() override { Log("ApplyOptions"); }

    // The calls since the last Take, then forgets them.
    std::vector<std::string> Take() { return std::exchange(calls, {}); }

    bool landNext = false, landed = false;
    bool optionAnswer = false;
    std::vector<std::string> calls;

private:
    void Log(std::string call) { calls.push_back(std::move(call)); }
};

} // namespace scrivel::test
