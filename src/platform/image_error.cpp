#include "platform/image_error.h"

namespace scrivel::platform {

namespace {

const char* FaultName(ImageFault fault) {
    switch (fault) {
    case ImageFault::Unreadable:
        return "missing or unreadable picture";
    case ImageFault::Empty:
        return "empty picture file";
    case ImageFault::NotBmp:
        return "not a BMP file";
    case ImageFault::Truncated:
        return "truncated picture";
    case ImageFault::TooLarge:
        return "picture file too large";
    case ImageFault::UnknownHeader:
        return "unknown BMP header";
    case ImageFault::BadSize:
        return "invalid picture size";
    case ImageFault::BadPlanes:
        return "corrupt BMP (planes)";
    case ImageFault::UnsupportedDepth:
        return "unsupported BMP depth";
    case ImageFault::RleCompression:
        return "unsupported BMP compression (RLE)";
    case ImageFault::UnsupportedCompression:
        return "unsupported BMP compression";
    case ImageFault::BadPixelOffset:
        return "corrupt BMP (pixel offset)";
    case ImageFault::Os2Palette:
        return "unsupported BMP (OS/2 palette)";
    case ImageFault::BadPalette:
        return "corrupt BMP (palette)";
    case ImageFault::ColourOutsidePalette:
        return "corrupt BMP (colour outside the palette)";
    case ImageFault::Corrupt:
        return "corrupt picture";
    case ImageFault::SaveEmpty:
        return "cannot save an empty picture";
    case ImageFault::CannotWriteBmp:
        return "cannot write the BMP file";
    case ImageFault::CannotWriteJpeg:
        return "cannot write the JPEG file";
    case ImageFault::CannotWritePng:
        return "cannot write the PNG file";
    case ImageFault::JpegUnreadable:
        return "unreadable JPEG";
    case ImageFault::JpegDamaged:
        return "truncated or damaged JPEG";
    case ImageFault::JpegCannotEncode:
        return "cannot encode the JPEG";
    }
    return "picture error";
}

std::string Describe(ImageFault fault, const std::string& path, const std::string& detail) {
    std::string text = FaultName(fault);
    if (!detail.empty()) {
        text += " (" + detail + ")";
    }
    return text + ": " + path;
}

} // namespace

ImageError::ImageError(ImageFault fault, const std::string& path, const std::string& detail)
    : std::runtime_error(Describe(fault, path, detail)), fault_(fault), path_(path),
      detail_(detail) {}

} // namespace scrivel::platform
