#pragma once

#include "texts/texts.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace scrivel {

class TOptionsData;

// The options screen without its drawing: nine rows, one selected; Up and Down move the selection,
// Left, Right and Space step the selected option round its range straight in the options, and the
// key handlers answer whether the scene must be rebuilt for the change.
class OptionChoices {
public:
    static constexpr int RowCount = 9;
    static constexpr int GridRow = 0;
    static constexpr int SpeedRow = 1;
    static constexpr int MinWordRow = 2;
    static constexpr int RandomRow = 3;
    static constexpr int BackgroundRow = 4;
    static constexpr int TextureRow = 5;
    static constexpr int FontRow = 6;
    static constexpr int ColourRow = 7;
    // Our own: the landing cell shown in play.
    static constexpr int MarkerRow = 8;

    using TextId = texts::TextId;
    static constexpr TextId Heading = TextId::OptionsHeading;
    static constexpr std::array<TextId, RowCount> Titles = {
        TextId::OptionGrid,   TextId::OptionSpeed,      TextId::OptionMinWordSize,
        TextId::OptionRandom, TextId::OptionBackground, TextId::OptionTextures,
        TextId::OptionFont,   TextId::OptionFontColour, TextId::OptionMarker};
    static constexpr std::array<TextId, 3> SpeedNames = {TextId::SpeedSlow, TextId::SpeedNormal,
                                                         TextId::SpeedFast};
    static constexpr std::array<TextId, 2> RandomNames = {TextId::RandomWords,
                                                          TextId::RandomLetters};
    static constexpr std::array<TextId, 2> YesNo = {TextId::No, TextId::Yes};
    static constexpr std::array<TextId, 10> ColourNames = {
        TextId::ColourWhite,  TextId::ColourRed,          TextId::ColourBlue,  TextId::ColourBrown,
        TextId::ColourYellow, TextId::ColourOrange,       TextId::ColourGreen, TextId::ColourGrey,
        TextId::ColourPurple, TextId::ColourMulticoloured};

    // The fonts offered are fonts, in that order.
    OptionChoices(TOptionsData& options, std::vector<std::string> fonts);

    // Space changes the selected option to its next value; other characters change nothing.
    bool OnKeyPress(char key);
    // Left and Right change the selected option, Up and Down move the selection.
    bool OnKeyDown(int virtualKey);

    int Selected() const { return selected_; }
    // The text shown for a row's current value.
    const std::string& Value(int row) const { return values_.at(static_cast<std::size_t>(row)); }
    const std::vector<std::string>& Fonts() const { return fonts_; }
    // Position in Fonts of the font chosen last here; it does not follow the stored option.
    int FontIndex() const { return fontIndex_; }

private:
    enum class Change { Previous, Next };
    // Rebuilds the shown values from the options.
    void UpdateValues();
    // Steps the selected option; true when the scene must be rebuilt.
    bool ChangeSelected(Change change);

    TOptionsData& options_; // not owned
    int selected_ = 0;
    std::array<std::string, RowCount> values_;
    std::vector<std::string> fonts_;
    int fontIndex_ = 0;
};

} // namespace scrivel
