#pragma once

#include "platform/bitmap.h"

// The letter backgrounds, Graphics/patterns1.bmp: 3 x 3 patterns of 64 x 64 pixels, pattern k with
// its top-left pixel at ((k mod 3) * 65 + 1, (k div 3) * 65 + 1), inside 1-pixel frames. The font
// bank draws a letter on black and fills the black with a pattern, so the patterns keep to middle
// and dark tones under which light letters read well. Pattern 0 is the quiet one behind titles.
namespace scrivel::graphics {

platform::Bitmap MakePatternSheet();

// The patterns behind sample letters, filled as the font bank fills them, for people to look at.
platform::Bitmap MakeGlyphPreview(const platform::Bitmap& sheet);

} // namespace scrivel::graphics
