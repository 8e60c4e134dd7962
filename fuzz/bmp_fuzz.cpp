// Any bytes as a BMP file: either a picture of the size the headers give, or an ImageError.
#include "fuzz_file.h"
#include "platform/bitmap.h"

using scrivel::platform::Bitmap;
using scrivel::platform::ImageError;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static scrivel::fuzz::MemoryFile file;
    const std::string& path = file.Hold(data, size);
    try {
        const Bitmap bitmap = Bitmap::LoadBmp(path);
        scrivel::fuzz::Require(bitmap.Width() > 0 && bitmap.Height() > 0 &&
                                   bitmap.Width() <= Bitmap::kMaxLoadSide &&
                                   bitmap.Height() <= Bitmap::kMaxLoadSide,
                               "a loaded BMP has a size within the limits");
        scrivel::fuzz::Require(bitmap.Pixel(bitmap.Width() - 1, bitmap.Height() - 1) !=
                                   Bitmap::kInvalidColour,
                               "the last pixel of a loaded BMP is inside it");
    } catch (const ImageError&) {
        // A refused file is the sound outcome for most inputs.
    }
    return 0;
}
