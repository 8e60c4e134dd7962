#pragma once

#include "model/game_view.h"
#include "render/found_word_list.h"

#include <memory>
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

    explicit TFoundWordsMg(TFontTexMg* fontBank) : FontBank(fontBank) {}

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
    // Once per drawn frame: each shown word flies one step, changes size one step and is drawn.
    void Animate();

    std::unique_ptr<TFoundWordList> Words = std::make_unique<TFoundWordList>();
    float HeadX = 0.0f;
    float HeadY = 0.0f;
    float HeadZ = 0.0f;
    float StartWidth = 0.0f;
    float StartHeight = 0.0f;
    float FinalWidth = 0.0f;
    float FinalHeight = 0.0f;
    TFontTexMg* FontBank = nullptr; // not owned
    int MaxShown = 20;
};

} // namespace scrivel
