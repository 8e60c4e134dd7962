// Windows BMP files: reading through stb_image, after a header check of our own, and writing.
#include "platform/bitmap.h"
#include "platform/file_system.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_NO_FAILURE_STRINGS
#include <climits>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stb/stb_image.h>
#include <string>

namespace scrivel::platform {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12; // OS/2 1.x
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint16_t U16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

std::uint32_t U32(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(U16(bytes, at)) |
           (static_cast<std::uint32_t>(U16(bytes, at + 2)) << 16);
}

void PutU16(std::string& bytes, std::uint32_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>((value >> 8) & 0xFF);
}

void PutU32(std::string& bytes, std::uint32_t value) {
    PutU16(bytes, value & 0xFFFF);
    PutU16(bytes, value >> 16);
}

struct BmpLayout {
    int width = 0;
    int height = 0; // always positive
    int bitsPerPixel = 0;
    bool topDown = false;
    std::size_t dataOffset = 0;
    std::size_t rowBytes = 0;
    std::size_t paletteEntries = 0;
};

// Reads the headers and checks that everything stb_image will read lies inside the file, so that
// a short or lying file is refused here instead of being decoded as zeros.
BmpLayout CheckBmp(const std::string& bytes, const std::string& path) {
    if (bytes.empty()) {
        throw ImageError(ImageFault::Empty, path);
    }
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
        throw ImageError(ImageFault::NotBmp, path);
    }
    if (bytes.size() < kFileHeaderSize + 4) {
        throw ImageError(ImageFault::Truncated, path);
    }
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        throw ImageError(ImageFault::TooLarge, path);
    }
    const std::uint32_t headerSize = U32(bytes, kFileHeaderSize);
    if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize && headerSize != 56 &&
        headerSize != 108 && headerSize != 124) {
        throw ImageError(ImageFault::UnknownHeader, path);
    }
    if (bytes.size() < kFileHeaderSize + headerSize) {
        throw ImageError(ImageFault::Truncated, path);
    }

    BmpLayout layout;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t compression = 0;
    const std::size_t info = kFileHeaderSize + 4;
    if (headerSize == kCoreHeaderSize) {
        width = U16(bytes, info);
        height = U16(bytes, info + 2);
        planes = U16(bytes, info + 4);
        layout.bitsPerPixel = U16(bytes, info + 6);
    } else {
        width = static_cast<std::int32_t>(U32(bytes, info));
        height = static_cast<std::int32_t>(U32(bytes, info + 4));
        planes = U16(bytes, info + 8);
        layout.bitsPerPixel = U16(bytes, info + 10);
        compression = U32(bytes, info + 12);
    }
    layout.topDown = height < 0;
    if (height < 0) {
        height = -height;
    }
    if (width <= 0 || height <= 0 || width > Bitmap::kMaxLoadSide ||
        height > Bitmap::kMaxLoadSide) {
        throw ImageError(ImageFault::BadSize, path,
                         std::to_string(width) + " x " + std::to_string(height));
    }
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    if (planes != 1) {
        throw ImageError(ImageFault::BadPlanes, path);
    }
    const int bpp = layout.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
        throw ImageError(ImageFault::UnsupportedDepth, path, std::to_string(bpp));
    }
    if (compression == 1 || compression == 2) {
        throw ImageError(ImageFault::RleCompression, path);
    }
    if (compression != 0 && !(compression == 3 && (bpp == 16 || bpp == 32))) {
        throw ImageError(ImageFault::UnsupportedCompression, path, std::to_string(compression));
    }

    layout.dataOffset = U32(bytes, 10);
    const std::size_t headersEnd = kFileHeaderSize + headerSize;
    if (layout.dataOffset < headersEnd) {
        throw ImageError(ImageFault::BadPixelOffset, path);
    }
    if (bpp <= 8) {
        // NOTE: stb_image miscounts the palette of OS/2 1.x files, so those are refused.
        if (headerSize == kCoreHeaderSize) {
            throw ImageError(ImageFault::Os2Palette, path);
        }
        layout.paletteEntries = (layout.dataOffset - headersEnd) / 4;
        if (layout.paletteEntries == 0 || layout.paletteEntries > 256) {
            throw ImageError(ImageFault::BadPalette, path);
        }
    }
    layout.rowBytes = (static_cast<std::size_t>(layout.width) * bpp + 31) / 32 * 4;
    const std::size_t dataSize = layout.rowBytes * static_cast<std::size_t>(layout.height);
    if (layout.dataOffset > bytes.size() || bytes.size() - layout.dataOffset < dataSize) {
        throw ImageError(ImageFault::Truncated, path);
    }
    return layout;
}

// stb_image reads palette entries past the ones the file holds; refuse such indices.
void CheckPaletteIndices(const std::string& bytes, const BmpLayout& layout,
                         const std::string& path) {
    const int bpp = layout.bitsPerPixel;
    const unsigned mask = (1u << bpp) - 1;
    if (layout.paletteEntries > mask) {
        return;
    }
    for (int y = 0; y < layout.height; ++y) {
        const std::size_t row = layout.dataOffset + layout.rowBytes * static_cast<std::size_t>(y);
        for (int x = 0; x < layout.width; ++x) {
            const std::size_t bit = static_cast<std::size_t>(x) * bpp;
            const auto byte = static_cast<unsigned char>(bytes[row + bit / 8]);
            const unsigned index = (byte >> (8 - bpp - bit % 8)) & mask;
            if (index >= layout.paletteEntries) {
                throw ImageError(ImageFault::ColourOutsidePalette, path);
            }
        }
    }
}

struct StbFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

} // namespace

Bitmap Bitmap::LoadBmp(const std::string& path) {
    const std::optional<std::string> file = ReadWholeFile(path);
    if (!file) {
        throw ImageError(ImageFault::Unreadable, path);
    }
    const std::string& bytes = *file;
    const BmpLayout layout = CheckBmp(bytes, path);
    if (layout.bitsPerPixel <= 8) {
        CheckPaletteIndices(bytes, layout, path);
    }

    int width = 0;
    int height = 0;
    int channels = 0;
    const std::unique_ptr<stbi_uc, StbFree> pixels(
        stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                              static_cast<int>(bytes.size()), &width, &height, &channels, 3));
    if (!pixels || width != layout.width || height != layout.height) {
        throw ImageError(ImageFault::Corrupt, path);
    }

    Bitmap bitmap(width, height);
    const stbi_uc* source = pixels.get();
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < width; ++x, source += 3) {
            row[x] = ColourToNative(Rgb(source[0], source[1], source[2]));
        }
    }
    return bitmap;
}

void Bitmap::SaveBmp(const std::string& path) const {
    if (width_ == 0 || height_ == 0) {
        throw ImageError(ImageFault::SaveEmpty, path);
    }
    const std::size_t rowBytes = (static_cast<std::size_t>(width_) * 3 + 3) / 4 * 4;
    const std::size_t dataSize = rowBytes * static_cast<std::size_t>(height_);
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;

    std::string bytes;
    bytes.reserve(offset + dataSize);
    bytes += "BM";
    PutU32(bytes, static_cast<std::uint32_t>(offset + dataSize));
    PutU32(bytes, 0); // reserved
    PutU32(bytes, static_cast<std::uint32_t>(offset));
    PutU32(bytes, kInfoHeaderSize);
    PutU32(bytes, static_cast<std::uint32_t>(width_));
    PutU32(bytes, static_cast<std::uint32_t>(height_)); // positive: bottom-up
    PutU16(bytes, 1);                                   // planes
    PutU16(bytes, 24);
    PutU32(bytes, 0); // uncompressed
    PutU32(bytes, static_cast<std::uint32_t>(dataSize));
    PutU32(bytes, 2835); // 72 dots per inch
    PutU32(bytes, 2835);
    PutU32(bytes, 0); // colours used
    PutU32(bytes, 0); // important colours

    for (int y = height_ - 1; y >= 0; --y) {
        const std::size_t rowStart = bytes.size();
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t colour = Pixel(x, y);
            bytes += static_cast<char>((colour >> 16) & 0xFF); // blue
            bytes += static_cast<char>((colour >> 8) & 0xFF);  // green
            bytes += static_cast<char>(colour & 0xFF);         // red
        }
        bytes.append(rowBytes - (bytes.size() - rowStart), '\0');
    }
    if (!WriteFileAtomically(path, bytes)) {
        throw ImageError(ImageFault::CannotWriteBmp, path);
    }
}

} // namespace scrivel::platform
