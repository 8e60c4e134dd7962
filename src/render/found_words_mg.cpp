#include "render/found_words_mg.h"

#include "render/word.h"

#include <algorithm>
#include <memory>

namespace scrivel {

void TFoundWordsMg::SetLayout(float startWidth, float startHeight, float finalWidth,
                              float finalHeight) {
    startWidth_ = startWidth;
    startHeight_ = startHeight;
    finalWidth_ = finalWidth;
    finalHeight_ = finalHeight;
}

void TFoundWordsMg::SetHead(float x, float y, float z) {
    headX_ = x;
    headY_ = y;
    headZ_ = z;
}

void TFoundWordsMg::Add(const std::string& word, WordDirection direction, float x, float y,
                        float z) {
    auto added =
        std::make_unique<TWord>(fontBank_, word, x, y, z, direction == WordDirection::Vertical);
    added->FlyTo(headX_, headY_, headZ_, HeadSpeed);
    added->StartMorph(startWidth_, startHeight_, finalWidth_, finalHeight_);
    words_.Insert(0, std::move(added));

    for (int i = 1; i < Count(); ++i) {
        TWord* older = words_.Items(i);
        if (older == nullptr) {
            continue;
        }
        const float row = static_cast<float>(i + ColumnGap);
        older->FlyTo(headX_, headY_ - row * finalHeight_ * RowPitch, headZ_, SlideSpeed);
    }
}

void TFoundWordsMg::Clear() {
    words_ = TFoundWordList();
}

int TFoundWordsMg::Count() const {
    return std::min(words_.Count(), MaxShown);
}

const TWord& TFoundWordsMg::Item(int index) const {
    // Add never leaves an empty slot.
    return *words_.Items(index);
}

void TFoundWordsMg::Step() {
    for (int i = 0; i < Count(); ++i) {
        if (TWord* word = words_.Items(i)) {
            word->Step();
        }
    }
}

void TFoundWordsMg::Draw() const {
    for (int i = 0; i < Count(); ++i) {
        if (const TWord* word = words_.Items(i)) {
            word->Draw();
        }
    }
}

} // namespace scrivel
