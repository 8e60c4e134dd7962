#include "model/option_choices.h"

#include "model/options_data.h"
#include "platform/key_map.h"

#include <utility>

namespace scrivel {

namespace {

constexpr int kMaxSpeedMode = 2;

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

OptionChoices::OptionChoices(TOptionsData& options, std::vector<std::string> fonts)
    : Options(&options), Fonts(std::move(fonts)) {
    UpdateValues();
}

void OptionChoices::UpdateValues() {
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

bool OptionChoices::ChangeSelected(Change change) {
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

bool OptionChoices::OnKeyPress(char key) {
    bool rebuild = false;
    if (key == ' ') {
        rebuild = ChangeSelected(Change::Next);
    }
    UpdateValues();
    return rebuild;
}

bool OptionChoices::OnKeyDown(int virtualKey) {
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

} // namespace scrivel
