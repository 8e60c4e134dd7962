#include "render/word.h"

#include "render/font_tex_mg.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace scrivel {

TWord::TWord(TFontTexMg* bank, std::string text, float x, float y, float z, bool vertical)
    : Text(std::move(text)), Bank(bank), Vertical(vertical) {
    Location = {x, y, z};
}

void TWord::StartMorph(float initialWidth, float initialHeight, float finalWidth,
                       float finalHeight) {
    Morphing = true;
    InitialWidth = initialWidth;
    InitialHeight = initialHeight;
    FinalWidth = finalWidth;
    FinalHeight = finalHeight;
    Width = initialWidth;
    Height = initialHeight;
    // A flight without a step along x has no ticks to spread the change over.
    const double ticks =
        Step.x != 0.0f ? std::trunc((Target.x - Location.x) / static_cast<double>(Step.x)) : 0.0;
    MorphSteps = static_cast<int>(std::clamp(ticks, 0.0, 1.0e6));
    if (MorphSteps != 0) {
        WidthStep = (FinalWidth - InitialWidth) / static_cast<float>(MorphSteps);
        HeightStep = (FinalHeight - InitialHeight) / static_cast<float>(MorphSteps);
    } else {
        WidthStep = 0.0f;
        HeightStep = 0.0f;
    }
}

void TWord::MorphStep() {
    if (!Morphing || MorphSteps < 1) {
        return;
    }
    --MorphSteps;
    Width += WidthStep;
    Height += HeightStep;
    if (MorphSteps == 0) {
        Width = FinalWidth;
        Height = FinalHeight;
        Morphing = false;
    }
}

void TWord::Draw() {
    float slantDown = FinalWidth;
    float slantAcross = FinalHeight;
    if (Morphing) {
        slantDown = InitialWidth - (FinalWidth - Width);
        slantAcross = InitialHeight - (FinalHeight - Height);
    } else {
        Vertical = false;
    }
    if (Bank == nullptr) {
        return;
    }
    if (Vertical) {
        Bank->DrawTextDown(Text, Location.x, Location.y, Location.z, Width, Height, slantDown);
    } else {
        Bank->DrawTextAcross(Text, Location.x, Location.y, Location.z, Width, Height, slantAcross);
    }
}

} // namespace scrivel
