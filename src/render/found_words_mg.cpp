#include "render/found_words_mg.h"

#include "render/word.h"

#include <algorithm>

namespace scrivel {

void TFoundWordsMg::SetLayout(float startWidth, float startHeight, float finalWidth,
                              float finalHeight) {
    StartWidth = startWidth;
    StartHeight = startHeight;
    FinalWidth = finalWidth;
    FinalHeight = finalHeight;
}

void TFoundWordsMg::SetHead(float x, float y, float z) {
    HeadX = x;
    HeadY = y;
    HeadZ = z;
}

void TFoundWordsMg::Add(const std::string& word, WordDirection direction, float x, float y,
                        float z) {
    auto added =
        std::make_unique<TWord>(FontBank, word, x, y, z, direction == WordDirection::Vertical);
    added->SetMoveTarget(HeadX, HeadY, HeadZ, 0.0f, 0.0f, 0.0f);
    added->SetMoveSpeed(HeadSpeed);
    added->StartMorph(StartWidth, StartHeight, FinalWidth, FinalHeight);
    Words->Insert(0, std::move(added));

    for (int i = 1; i < Count(); ++i) {
        TWord* older = Words->Items(i);
        if (older == nullptr) {
            continue;
        }
        const float row = static_cast<float>(i + ColumnGap);
        older->SetMoveTarget(HeadX, HeadY - row * FinalHeight * RowPitch, HeadZ, 0.0f, 0.0f, 0.0f);
        older->SetMoveSpeed(SlideSpeed);
    }
}

void TFoundWordsMg::Clear() {
    Words = std::make_unique<TFoundWordList>();
}

int TFoundWordsMg::Count() const {
    return std::min(Words->Count(), MaxShown);
}

void TFoundWordsMg::Animate() {
    for (int i = 0; i < Count(); ++i) {
        TWord* word = Words->Items(i);
        if (word == nullptr) {
            continue;
        }
        word->StepMove();
        word->MorphStep();
        word->Draw();
    }
}

} // namespace scrivel
