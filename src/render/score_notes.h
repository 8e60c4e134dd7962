#pragma once

#include <string>
#include <vector>

namespace scrivel {

// What the last words scored, for the head-up text: each found word in capitals with its points
// ("CHAT +160"), shown for a number of ticks; the words of a chain stand one under the other,
// the newest last.
class ScoreNotes {
public:
    // How long a note shows, in milliseconds of game ticks.
    static constexpr int ShowMilliseconds = 2000;
    static constexpr int MaxShown = 4;

    // A word found now, scoring 10 x its length squared; tickPeriod is the game's tick in ms.
    void Add(const std::string& word, int tickPeriod);
    void Step();
    void Clear() { notes_.clear(); }
    // The notes to show, oldest first.
    std::vector<std::string> Lines() const;

private:
    struct Note {
        std::string Text;
        int TicksLeft = 0;
    };
    std::vector<Note> notes_;
};

} // namespace scrivel
