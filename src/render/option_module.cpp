#include "render/option_module.h"

#include "model/cube_text.h"
#include "platform/font_catalogue.h"
#include "render/font_tex_mg.h"
#include "texts/texts.h"

#include <GL/gl.h>
#include <utility>

namespace scrivel {

namespace {

constexpr float kTop = 12.0f;
constexpr float kHeadingX = -2.0f;
constexpr float kTitleX = -5.0f;
constexpr float kDepth = 1.0f;
// A letter cube is drawn a unit below the point it is given.
constexpr float kCubeDrop = 1.0f;

// The selection's marks: a gold that stands out from the sky, the landscape and the letters.
constexpr float kMarkRed = 1.0f;
constexpr float kMarkGreen = 0.78f;
constexpr float kMarkBlue = 0.0f;
// The pointer's tip stands this far left of a line's first cube centre; clear of the largest one.
constexpr float kPointerOffset = 0.3f;
constexpr float kPointerLength = 0.4f;
constexpr float kPointerHalfHeight = 0.2f;
// The cut mark's three dots, a fraction of the cube's size each, a third of it apart.
constexpr float kDotSize = 0.2f;

// Flat, untextured and unlit marks in their own colour, whatever state the letters left.
class MarkState {
public:
    MarkState() {
        glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_CULL_FACE);
        glColor3f(kMarkRed, kMarkGreen, kMarkBlue);
    }
    ~MarkState() { glPopAttrib(); }
    MarkState(const MarkState&) = delete;
    MarkState& operator=(const MarkState&) = delete;
};

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
    return LetterSize + (pulse_ - 0.5f) * PulseScale;
}

void TOptionModule::DrawPointer(float x, float y) {
    const float tip = x - kPointerOffset;
    const float base = tip - kPointerLength;
    const float front = kDepth + 0.5f * LetterSize;
    const MarkState state;
    glBegin(GL_TRIANGLES);
    glVertex3f(base, y + kPointerHalfHeight, front);
    glVertex3f(base, y - kPointerHalfHeight, front);
    glVertex3f(tip, y, front);
    glEnd();
}

void TOptionModule::DrawCutMark(float x, float y, float size) {
    const float dot = kDotSize * size;
    const float bottom = y - 0.5f * size;
    const float front = kDepth + 0.5f * size;
    const MarkState state;
    glBegin(GL_QUADS);
    for (int i = -1; i <= 1; ++i) {
        const float left = x + static_cast<float>(i) * size / 3.0f - 0.5f * dot;
        glVertex3f(left, bottom, front);
        glVertex3f(left + dot, bottom, front);
        glVertex3f(left + dot, bottom + dot, front);
        glVertex3f(left, bottom + dot, front);
    }
    glEnd();
}

void TOptionModule::DrawLine(std::string_view text, float x, float y, float size) const {
    const bool cut = text.ends_with(CubeText::CutMark);
    if (cut) {
        text.remove_suffix(CubeText::CutMark.size());
    }
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
    if (cut) {
        DrawCutMark(x + static_cast<float>(text.size()) * size, y - kCubeDrop, size);
    }
}

void TOptionModule::Draw() const {
    if (bank_ == nullptr) {
        return;
    }
    const float pitch = LetterSize * 1.5f;
    DrawLine(CubeText::Plain(texts::Text(OptionChoices::Heading)), kHeadingX, kTop, LetterSize);
    float y = kTop - pitch;
    for (int r = 0; r < OptionChoices::RowCount; ++r) {
        const bool selected = r == choices_.Selected();
        const float titleY = y;
        DrawLine(CubeText::Plain(texts::Text(OptionChoices::Titles[static_cast<std::size_t>(r)])),
                 kTitleX, titleY, selected ? SelectedTitleSize : LetterSize);
        y -= pitch;
        // A value the panel cannot hold, such as a long font name, ends in the cut mark.
        DrawLine(CubeText::Fit(CubeText::Plain(choices_.Value(r)), ValueCells), ValueX, y,
                 selected ? SelectedSize() : LetterSize);
        if (selected) {
            DrawPointer(kTitleX, titleY - kCubeDrop);
            DrawPointer(ValueX, y - kCubeDrop);
        }
        y -= pitch;
    }
}

} // namespace scrivel
