#pragma once

#include "platform/bitmap.h"

namespace scrivel::platform {

// A new bitmap with the same size, format and pixels.
Bitmap CopyBitmap(const Bitmap& source);

} // namespace scrivel::platform
