#pragma once

#include "model/option_choices.h"
#include "scene/gl_object.h"

#include <string>
#include <string_view>
#include <vector>

namespace scrivel {

class TFontTexMg;
class TOptionsData;

// The options screen drawn as 3-D text: a title line and a value line for each of the eight
// options, the selected value pulsing. Its keys and values are OptionChoices'.
class TOptionModule : public TGLObject, public OptionChoices {
public:
    // The fonts offered are those installed on the machine.
    TOptionModule(TFontTexMg* bank, TOptionsData& options);
    // The fonts offered are fonts, in that order.
    TOptionModule(TFontTexMg* bank, TOptionsData& options, std::vector<std::string> fonts);

    // The heading and the eight rows; the selected value pulses, one step per call.
    void Draw();
    // One frame of the selected value's swelling.
    void StepPulse();

    float Pulse = 0.0f;
    bool Rising = true;
    TFontTexMg* Bank = nullptr; // not owned

private:
    void DrawLine(std::string_view text, float x, float y, float width, float height);
};

} // namespace scrivel
