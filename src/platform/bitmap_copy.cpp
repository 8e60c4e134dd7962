#include "platform/bitmap_copy.h"

#include <algorithm>

namespace scrivel::platform {

Bitmap CopyBitmap(const Bitmap& source) {
    Bitmap copy(source.Width(), source.Height(), source.Format());
    for (int y = 0; y < source.Height(); ++y) {
        const std::uint32_t* from = source.Row(y);
        std::copy(from, from + source.Width(), copy.Row(y));
    }
    return copy;
}

} // namespace scrivel::platform
