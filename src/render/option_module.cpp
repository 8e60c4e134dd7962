#include "render/option_module.h"

#include "platform/font_catalogue.h"
#include "render/font_tex_mg.h"
#include "texts/texts.h"

#include <GL/gl.h>
#include <utility>

namespace scrivel {

namespace {

constexpr float kLetterSize = 0.3f;
constexpr float kPulseStep = 0.05f;
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
    : OptionChoices(options, std::move(fonts)), Bank(bank) {
    Width = kLetterSize;
    Height = kLetterSize;
}

void TOptionModule::StepPulse() {
    if (Rising) {
        Pulse += kPulseStep;
        if (Pulse >= 1.0f) {
            Pulse = 0.9f;
            Rising = false;
        }
    } else {
        Pulse -= kPulseStep;
        if (Pulse < 0.0f) {
            Pulse = 0.1f;
            Rising = true;
        }
    }
}

void TOptionModule::DrawLine(std::string_view text, float x, float y, float width, float height) {
    glColor3f(1.0f, 0.6f, 0.6f);
    TTextRecord line;
    line.X = x;
    line.Y = y;
    line.Z = kDepth;
    line.SizeA = width;
    line.SizeB = height;
    line.Spacing = 0.0f;
    // The turn about x leaves a line along x as it is: the letters run along +x.
    line.AngleY = 0.0f;
    line.AngleX = 180.0f;
    line.AngleZ = 0.0f;
    line.Text = text;
    Bank->DrawTextRec(line);
}

void TOptionModule::Draw() {
    if (Bank == nullptr) {
        return;
    }
    const float pitch = Height * 1.5f;
    DrawLine(texts::Text(Heading), kHeadingX, kTop, Width, Height);
    float y = kTop - pitch;
    for (int r = 0; r < RowCount; ++r) {
        DrawLine(texts::Text(Titles[static_cast<std::size_t>(r)]), kTitleX, y, Width, Height);
        y -= pitch;
        const std::string& value = Values[static_cast<std::size_t>(r)];
        if (r == Selected) {
            const float size = kLetterSize + (Pulse - 0.5f) * kPulseScale;
            DrawLine(value, kValueX, y, size, size);
            StepPulse();
        } else {
            DrawLine(value, kValueX, y, Width, Height);
        }
        y -= pitch;
    }
}

} // namespace scrivel
