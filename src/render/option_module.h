#pragma once

#include "model/option_choices.h"

#include <string>
#include <string_view>
#include <vector>

namespace scrivel {

class TFontTexMg;
class TOptionsData;

// The options screen drawn as 3-D text: a title line and a value line for each option, the
// selected row pointed at, its title larger and its value pulsing. What the keys do and what the
// rows show is its OptionChoices'; this class only adds the pulse and the drawing.
class TOptionModule {
public:
    static constexpr float LetterSize = 0.3f;
    // The selected row's title stays larger between pulses, so the row never looks like the others.
    static constexpr float SelectedTitleSize = 0.36f;
    static constexpr float PulseScale = 0.15f;
    static constexpr float LargestPulsedSize = LetterSize + 0.5f * PulseScale;
    static constexpr float ValueX = -1.5f;
    // The rightmost x the panel shows at the rows' depth once the camera has come to rest, less
    // a margin for where it stops: measured on screenshots of every skin.
    static constexpr float RightEdge = 6.5f;
    // How many cubes of a value fit between ValueX and RightEdge at the largest pulse.
    static constexpr int ValueCells =
        static_cast<int>((RightEdge - ValueX + 0.5f * LargestPulsedSize) / LargestPulsedSize);

    // The fonts offered are those installed on the machine.
    TOptionModule(TFontTexMg* bank, TOptionsData& options);
    // The fonts offered are fonts, in that order.
    TOptionModule(TFontTexMg* bank, TOptionsData& options, std::vector<std::string> fonts);

    // The options screen's keys; true when the scene must be rebuilt.
    bool OnKeyPress(char key) { return choices_.OnKeyPress(key); }
    bool OnKeyDown(int virtualKey) { return choices_.OnKeyDown(virtualKey); }
    const OptionChoices& Choices() const { return choices_; }

    // One tick of the selected value's swelling.
    void Step();
    // The heading and the rows, the selected value at SelectedSize.
    void Draw() const;
    // Letter size of the selected value this tick.
    float SelectedSize() const;

private:
    static constexpr float PulseStep = 0.05f;

    // text as the cubes can draw it, from x along +x; a trailing cut mark drawn as dots.
    void DrawLine(std::string_view text, float x, float y, float size) const;
    // The marker left of a selected line whose first cube is centred at (x, y).
    static void DrawPointer(float x, float y);
    // The cut mark in the cube cell centred at (x, y).
    static void DrawCutMark(float x, float y, float size);

    OptionChoices choices_;
    TFontTexMg* bank_ = nullptr; // not owned
    // One step below the first value shown: the tick steps before it draws.
    float pulse_ = -PulseStep;
    bool rising_ = true;
};

} // namespace scrivel
