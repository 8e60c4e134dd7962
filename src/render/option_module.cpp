#include "render/option_module.h"

#include "model/options_data.h"
#include "platform/font_catalogue.h"
#include "platform/input.h"
#include "render/font_tex_mg.h"

#include <GL/gl.h>
#include <utility>

namespace scrivel {

namespace {

constexpr int kMaxSpeedMode = 2;
constexpr float kLetterSize = 0.3f;
constexpr float kPulseStep = 0.05f;
constexpr float kPulseScale = 0.15f;
constexpr float kTop = 12.0f;
constexpr float kHeadingX = -2.0f;
constexpr float kTitleX = -5.0f;
constexpr float kValueX = -1.5f;
constexpr float kDepth = 1.0f;

// An entry of a name table, or nothing for a value the table does not cover.
template <std::size_t N>
std::string_view NameOf(const std::array<std::string_view, N>& names, int index) {
    return index >= 0 && index < static_cast<int>(N) ? names[static_cast<std::size_t>(index)]
                                                     : std::string_view();
}

// One step round a range: up past last wraps to first, down past first wraps to last.
int Cycle(int value, int first, int last, bool next) {
    if (next) {
        return value < last ? value + 1 : first;
    }
    return value > first ? value - 1 : last;
}

} // namespace

TOptionModule::TOptionModule(TFontTexMg* bank, TOptionsData& options)
    : TOptionModule(bank, options, platform::FontCatalogue().Families()) {}

TOptionModule::TOptionModule(TFontTexMg* bank, TOptionsData& options,
                             std::vector<std::string> fonts)
    : Options(&options), Fonts(std::move(fonts)), Bank(bank) {
    Width = kLetterSize;
    Height = kLetterSize;
    UpdateValues();
}

void TOptionModule::UpdateValues() {
    const TOptionsData& o = *Options;
    const std::string size = std::to_string(o.GridSize);
    Values[GridRow] = size + "x" + size;
    Values[SpeedRow] = NameOf(SpeedNames, o.SpeedMode);
    Values[MinWordRow] = std::to_string(o.MinWordSize) + " lettres";
    Values[RandomRow] = NameOf(RandomNames, o.RandomLetter ? 1 : 0);
    Values[BackgroundRow] = NameOf(YesNo, o.Background ? 1 : 0);
    Values[TextureRow] = std::to_string(o.NumTexture);
    Values[FontRow] = o.FontName;
    Values[ColourRow] = NameOf(ColourNames, o.FontColorNum);
}

bool TOptionModule::ChangeSelected(Change change) {
    TOptionsData& o = *Options;
    const bool next = change == Change::Next;
    switch (Selected) {
    case GridRow:
        // The minimum word length is left alone, even when it now exceeds the grid.
        o.GridSize = static_cast<std::int16_t>(
            Cycle(o.GridSize, TOptionsData::MinGridSize, TOptionsData::MaxGridSize, next));
        return true;
    case SpeedRow:
        o.SpeedMode = Cycle(o.SpeedMode, 0, kMaxSpeedMode, next);
        o.ApplySpeed();
        return false;
    case MinWordRow:
        o.MinWordSize = static_cast<std::int16_t>(
            Cycle(o.MinWordSize, TOptionsData::MinMinWordSize, o.GridSize, next));
        return false;
    case RandomRow:
        o.RandomLetter = !o.RandomLetter;
        return false;
    case BackgroundRow:
        o.Background = !o.Background;
        return false;
    case TextureRow:
        o.NumTexture = Cycle(o.NumTexture, 0, TOptionsData::MaxNumTexture, next);
        return true;
    case FontRow: {
        // Without any installed font there is nothing to choose from.
        if (Fonts.empty()) {
            return false;
        }
        const int last = static_cast<int>(Fonts.size()) - 1;
        FontIndex = Cycle(FontIndex, 0, last, next);
        o.FontName = Fonts[static_cast<std::size_t>(FontIndex)];
        return true;
    }
    case ColourRow:
        o.FontColorNum = Cycle(o.FontColorNum, 0, TOptionsData::MaxFontColorNum, next);
        return true;
    default:
        return false;
    }
}

bool TOptionModule::OnKeyPress(char key) {
    bool rebuild = false;
    if (key == ' ') {
        rebuild = ChangeSelected(Change::Next);
    }
    UpdateValues();
    return rebuild;
}

bool TOptionModule::OnKeyDown(int virtualKey) {
    bool rebuild = false;
    switch (virtualKey) {
    case platform::key::kLeft:
        rebuild = ChangeSelected(Change::Previous);
        break;
    case platform::key::kRight:
        rebuild = ChangeSelected(Change::Next);
        break;
    case platform::key::kUp:
        if (Selected > 0) {
            --Selected;
        }
        break;
    case platform::key::kDown:
        if (Selected < RowCount - 1) {
            ++Selected;
        }
        break;
    default:
        break;
    }
    UpdateValues();
    Options->ApplySpeed();
    return rebuild;
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
    DrawLine(Heading, kHeadingX, kTop, Width, Height);
    float y = kTop - pitch;
    for (int r = 0; r < RowCount; ++r) {
        DrawLine(Titles[static_cast<std::size_t>(r)], kTitleX, y, Width, Height);
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
