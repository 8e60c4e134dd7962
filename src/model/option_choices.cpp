#include "model/option_choices.h"

#include "model/options_data.h"
#include "platform/key_map.h"

#include <utility>

namespace scrivel {

namespace {

constexpr int kMaxSpeedMode = 2;

// An entry of a name table, or nothing for a value the table does not cover.
template <std::size_t N>
std::string_view NameOf(const std::array<texts::TextId, N>& names, int index) {
    return index >= 0 && index < static_cast<int>(N)
               ? texts::Text(names[static_cast<std::size_t>(index)])
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
    : options_(options), fonts_(std::move(fonts)) {
    UpdateValues();
}

void OptionChoices::UpdateValues() {
    const TOptionsData& o = options_;
    const std::string size = std::to_string(o.GridSize);
    values_[GridRow] = size + "x" + size;
    values_[SpeedRow] = NameOf(SpeedNames, o.SpeedMode);
    values_[MinWordRow] = texts::Compose(TextId::LetterCount, {std::to_string(o.MinWordSize)});
    values_[RandomRow] = NameOf(RandomNames, o.RandomLetter ? 1 : 0);
    values_[BackgroundRow] = NameOf(YesNo, o.Background ? 1 : 0);
    values_[TextureRow] = std::to_string(o.NumTexture);
    values_[FontRow] = o.FontName;
    values_[ColourRow] = NameOf(ColourNames, o.FontColorNum);
    values_[MarkerRow] = NameOf(YesNo, o.Marker ? 1 : 0);
}

bool OptionChoices::ChangeSelected(Change change) {
    TOptionsData& o = options_;
    const bool next = change == Change::Next;
    switch (selected_) {
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
        if (fonts_.empty()) {
            return false;
        }
        const int last = static_cast<int>(fonts_.size()) - 1;
        fontIndex_ = Cycle(fontIndex_, 0, last, next);
        o.FontName = fonts_[static_cast<std::size_t>(fontIndex_)];
        return true;
    }
    case ColourRow:
        o.FontColorNum = Cycle(o.FontColorNum, 0, TOptionsData::MaxFontColorNum, next);
        return true;
    case MarkerRow:
        o.Marker = !o.Marker;
        return false;
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
        if (selected_ > 0) {
            --selected_;
        }
        break;
    case platform::key::kDown:
        if (selected_ < RowCount - 1) {
            ++selected_;
        }
        break;
    default:
        break;
    }
    UpdateValues();
    options_.ApplySpeed();
    return rebuild;
}

} // namespace scrivel
