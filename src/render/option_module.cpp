#include "render/option_module.h"

#include "platform/font_catalogue.h"
#include "render/font_tex_mg.h"
#include "texts/texts.h"

#include <GL/gl.h>
#include <utility>

namespace scrivel {

namespace {

constexpr float kPulseScale = 0.15f;
constexpr float kTop = 12.0f;
constexpr float kHeadingX = -2.0f;
constexpr float kTitleX = -5.0f;
constexpr float kValueX = -1.5f;
constexpr float kDepth = 1.0f;

} // namespace

TOptionModule::TOptionModule(TFontTexMg* bank, TOptionsData& options)
    : TOptionModule(bank, options, platform::FontCatalogue().Families()) {}

TOptionModule::TOptionModule(TFontTexMg* bank, TOptionsData& options,
                             std::vector<std::string> fonts)
    : choices_(options, std::move(fonts)), bank_(bank) {}

void TOptionModule::Step() {
    if (rising_) {
        pulse_ += PulseStep;
        if (pulse_ >= 1.0f) {
            pulse_ = 0.9f;
            rising_ = false;
        }
    } else {
        pulse_ -= PulseStep;
        if (pulse_ < 0.0f) {
            pulse_ = 0.1f;
            rising_ = true;
        }
    }
}

float TOptionModule::SelectedSize() const {
    return LetterSize + (pulse_ - 0.5f) * kPulseScale;
}

void TOptionModule::DrawLine(std::string_view text, float x, float y, float size) const {
    glColor3f(1.0f, 0.6f, 0.6f);
    TTextRecord line;
    line.X = x;
    line.Y = y;
    line.Z = kDepth;
    line.SizeA = size;
    line.SizeB = size;
    line.Spacing = 0.0f;
    // The turn about x leaves a line along x as it is: the letters run along +x.
    line.AngleY = 0.0f;
    line.AngleX = 180.0f;
    line.AngleZ = 0.0f;
    line.Text = text;
    bank_->DrawTextRec(line);
}

void TOptionModule::Draw() const {
    if (bank_ == nullptr) {
        return;
    }
    const float pitch = LetterSize * 1.5f;
    DrawLine(texts::Text(OptionChoices::Heading), kHeadingX, kTop, LetterSize);
    float y = kTop - pitch;
    for (int r = 0; r < OptionChoices::RowCount; ++r) {
        DrawLine(texts::Text(OptionChoices::Titles[static_cast<std::size_t>(r)]), kTitleX, y,
                 LetterSize);
        y -= pitch;
        const float size = r == choices_.Selected() ? SelectedSize() : LetterSize;
        DrawLine(choices_.Value(r), kValueX, y, size);
        y -= pitch;
    }
}

} // namespace scrivel
