#pragma once

#include <stdexcept>
#include <string>

namespace scrivel::platform {

// Why a picture could not be read or written.
enum class ImageFault {
    Unreadable, // missing, or no permission
    Empty,
    NotBmp,
    Truncated,
    TooLarge,
    UnknownHeader,
    BadSize, // detail: "width x height"
    BadPlanes,
    UnsupportedDepth, // detail: bits per pixel
    RleCompression,
    UnsupportedCompression, // detail: the compression number
    BadPixelOffset,
    Os2Palette,
    BadPalette,
    ColourOutsidePalette,
    Corrupt,
    SaveEmpty,
    CannotWriteBmp,
    CannotWriteJpeg,
    CannotWritePng,
    JpegUnreadable,   // detail: libjpeg's message
    JpegDamaged,      // detail: libjpeg's message
    JpegCannotEncode, // detail: libjpeg's message
};

// Any failure to read or write a picture. The game words it for the player from Fault(), Detail()
// and Path(); what() is a short English line for developers and the build tools.
class ImageError : public std::runtime_error {
public:
    ImageError(ImageFault fault, const std::string& path, const std::string& detail = {});

    ImageFault Fault() const { return fault_; }
    const std::string& Path() const { return path_; }
    const std::string& Detail() const { return detail_; }

private:
    ImageFault fault_;
    std::string path_;
    std::string detail_;
};

} // namespace scrivel::platform
