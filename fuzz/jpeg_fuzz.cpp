// Any bytes as a JPEG file: either a whole picture or an ImageError, never a longjmp past C++.
#include "fuzz_file.h"
#include "platform/bitmap.h"

using scrivel::platform::Bitmap;
using scrivel::platform::ImageError;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static scrivel::fuzz::MemoryFile file;
    const std::string& path = file.Hold(data, size);
    try {
        const Bitmap bitmap = Bitmap::LoadJpeg(path);
        scrivel::fuzz::Require(bitmap.Width() > 0 && bitmap.Height() > 0 &&
                                   bitmap.Width() <= Bitmap::kMaxLoadSide &&
                                   bitmap.Height() <= Bitmap::kMaxLoadSide,
                               "a loaded JPEG has a size within the limits");
    } catch (const ImageError&) {
    }
    return 0;
}
