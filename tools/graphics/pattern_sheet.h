#pragma once

#include "platform/bitmap.h"

// The letter backgrounds, Graphics/patterns1.bmp: 3 x 3 patterns of 64 x 64 pixels laid out as
// platform::kPatternSheet says. The font bank draws each letter over a pattern, so the patterns
// keep to middle and dark tones under which light letters read well. Pattern 0 is the quiet one
// behind titles.
namespace scrivel::graphics {

platform::Bitmap MakePatternSheet();

// Sample letters over each pattern, drawn as the font bank draws them, for people to look at.
platform::Bitmap MakeGlyphPreview(const platform::Bitmap& sheet);

} // namespace scrivel::graphics
