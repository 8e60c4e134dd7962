#include "render/word.h"

#include "render/font_tex_mg.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace scrivel {

TWord::TWord(TFontTexMg* bank, std::string text, float x, float y, float z, bool vertical)
    : text_(std::move(text)), bank_(bank), vertical_(vertical) {
    flight_.MoveTo(x, y, z);
}

void TWord::FlyTo(float x, float y, float z, float speed) {
    flight_.FlyTo(x, y, z, speed);
}

void TWord::StartMorph(float initialWidth, float initialHeight, float finalWidth,
                       float finalHeight) {
    morphing_ = true;
    initialWidth_ = initialWidth;
    initialHeight_ = initialHeight;
    finalWidth_ = finalWidth;
    finalHeight_ = finalHeight;
    width_ = initialWidth;
    height_ = initialHeight;
    const TVector3& step = flight_.FlightStep();
    // A flight without a step along x has no ticks to spread the change over.
    const double ticks =
        step.x != 0.0f
            ? std::trunc((flight_.Target().x - flight_.Location().x) / static_cast<double>(step.x))
            : 0.0;
    morphSteps_ = static_cast<int>(std::clamp(ticks, 0.0, 1.0e6));
    if (morphSteps_ != 0) {
        widthStep_ = (finalWidth_ - initialWidth_) / static_cast<float>(morphSteps_);
        heightStep_ = (finalHeight_ - initialHeight_) / static_cast<float>(morphSteps_);
    } else {
        widthStep_ = 0.0f;
        heightStep_ = 0.0f;
    }
}

void TWord::MorphStep() {
    if (!morphing_ || morphSteps_ < 1) {
        return;
    }
    --morphSteps_;
    width_ += widthStep_;
    height_ += heightStep_;
    if (morphSteps_ == 0) {
        width_ = finalWidth_;
        height_ = finalHeight_;
        morphing_ = false;
    }
}

void TWord::Step() {
    flight_.StepMove();
    MorphStep();
    if (!morphing_) {
        vertical_ = false;
    }
}

void TWord::Draw() const {
    if (bank_ == nullptr) {
        return;
    }
    const TVector3& at = flight_.Location();
    if (DrawnDown()) {
        const float slant = initialWidth_ - (finalWidth_ - width_);
        bank_->DrawTextDown(text_, at.x, at.y, at.z, width_, height_, slant);
    } else {
        const float slant = morphing_ ? initialHeight_ - (finalHeight_ - height_) : finalHeight_;
        bank_->DrawTextAcross(text_, at.x, at.y, at.z, width_, height_, slant);
    }
}

} // namespace scrivel
