#pragma once

#include "model/game_view.h"
#include "render/found_word_list.h"

#include <string>

namespace scrivel {

class TFontTexMg;

// The words found during the current game. Each new word flies from its place in the grid to the
// head of a column beside the grid, shrinking on the way, while the older words slide down that
// column one row per new word. Only the newest MaxShown words move and are drawn.
class TFoundWordsMg {
public:
    static constexpr float HeadSpeed = 0.2f;
    static constexpr float SlideSpeed = 0.05f;
    // The older words' column starts this many rows under the head.
    static constexpr int ColumnGap = 10;
    static constexpr float RowPitch = 1.15f;
    static constexpr int MaxShown = 20;

    explicit TFoundWordsMg(TFontTexMg* fontBank) : fontBank_(fontBank) {}

    // Letter size of a new word, and of a word in the column.
    void SetLayout(float startWidth, float startHeight, float finalWidth, float finalHeight);
    // Where the newest word flies to.
    void SetHead(float x, float y, float z);

    // (x, y, z) is the place of the word's first letter.
    void Add(const std::string& word, WordDirection direction, float x, float y, float z);
    // Drops every word (a new game starts).
    void Clear();
    // Words shown: at most MaxShown.
    int Count() const;
    // A word kept, newest first, shown or not; throws std::out_of_range past the last.
    const TWord& Item(int index) const;

    // One tick: each shown word flies one step and changes size one step.
    void Step();
    // Draws the shown words.
    void Draw() const;

private:
    TFoundWordList words_;
    TFontTexMg* fontBank_ = nullptr; // not owned
    float headX_ = 0.0f;
    float headY_ = 0.0f;
    float headZ_ = 0.0f;
    float startWidth_ = 0.0f;
    float startHeight_ = 0.0f;
    float finalWidth_ = 0.0f;
    float finalHeight_ = 0.0f;
};

} // namespace scrivel
