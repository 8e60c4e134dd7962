#pragma once

#include "model/option_choices.h"

#include <string>
#include <string_view>
#include <vector>

namespace scrivel {

class TFontTexMg;
class TOptionsData;

// The options screen drawn as 3-D text: a title line and a value line for each of the eight
// options, the selected value pulsing. What the keys do and what the rows show is its
// OptionChoices'; this class only adds the pulse and the drawing.
class TOptionModule {
public:
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
    // The heading and the eight rows, the selected value at SelectedSize.
    void Draw() const;
    // Letter size of the selected value this tick.
    float SelectedSize() const;

private:
    static constexpr float LetterSize = 0.3f;
    static constexpr float PulseStep = 0.05f;

    void DrawLine(std::string_view text, float x, float y, float size) const;

    OptionChoices choices_;
    TFontTexMg* bank_ = nullptr; // not owned
    // One step below the first value shown: the tick steps before it draws.
    float pulse_ = -PulseStep;
    bool rising_ = true;
};

} // namespace scrivel
