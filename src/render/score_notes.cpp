#include "render/score_notes.h"

#include <algorithm>

namespace scrivel {

void ScoreNotes::Add(const std::string& word, int tickPeriod) {
    std::string text;
    for (const char c : word) {
        // Latin-1 letters: a to z and the accented ones one block above their capitals.
        text += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    const int length = static_cast<int>(word.size());
    text += " +" + std::to_string(10 * length * length);
    const int ticks = ShowMilliseconds / std::max(1, tickPeriod);
    notes_.push_back({std::move(text), std::max(1, ticks)});
    if (notes_.size() > MaxShown) {
        notes_.erase(notes_.begin());
    }
}

void ScoreNotes::Step() {
    for (Note& note : notes_) {
        --note.TicksLeft;
    }
    std::erase_if(notes_, [](const Note& note) { return note.TicksLeft <= 0; });
}

std::vector<std::string> ScoreNotes::Lines() const {
    std::vector<std::string> lines;
    for (const Note& note : notes_) {
        lines.push_back(note.Text);
    }
    return lines;
}

} // namespace scrivel
