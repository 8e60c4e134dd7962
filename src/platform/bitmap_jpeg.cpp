// JPEG files through libjpeg(-turbo). Its errors longjmp back into small functions that hold no
// object with a destructor, so no C++ cleanup is ever skipped.
#include "platform/bitmap.h"
#include "platform/file_system.h"

#include <bit>
#include <csetjmp>
#include <cstdlib>
#include <jpeglib.h>
#include <optional>
#include <string>
#include <vector>

namespace scrivel::platform {

namespace {

// Cairo's native words 0xXXRRGGBB as bytes in memory.
constexpr J_COLOR_SPACE kNativeSpace =
    std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// What libjpeg may hold for whole-image buffers (a progressive picture keeps all its coefficients,
// two bytes a sample). A few hundred bytes can claim a picture of the largest size we load, which
// would take gigabytes; past this, libjpeg fails instead, as it has no backing store. Any picture
// the game ships, or a player's photo, needs a small part of it.
constexpr long kMaxDecoderMemory = 256L * 1024 * 1024;

struct JpegErrors {
    jpeg_error_mgr base{}; // first, so libjpeg's pointer converts back
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX] = {};
    bool warned = false;
};

JpegErrors& ErrorsOf(j_common_ptr info) {
    return *reinterpret_cast<JpegErrors*>(info->err);
}

void OnError(j_common_ptr info) {
    JpegErrors& errors = ErrorsOf(info);
    errors.base.format_message(info, errors.message);
    std::longjmp(errors.jump, 1);
}

// libjpeg only warns about a truncated or damaged stream and fills the rest with grey; we refuse
// such files instead. Nothing is printed.
void OnMessage(j_common_ptr info, int level) {
    JpegErrors& errors = ErrorsOf(info);
    if (level < 0 && !errors.warned) {
        errors.warned = true;
        errors.base.format_message(info, errors.message);
    }
}

void InstallErrors(JpegErrors& errors) {
    jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
}

struct Decoder {
    jpeg_decompress_struct info{};
    JpegErrors errors;
    bool created = false;

    Decoder() {
        InstallErrors(errors);
        info.err = &errors.base;
    }
    ~Decoder() {
        if (created) {
            jpeg_destroy_decompress(&info);
        }
    }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;
};

bool ReadHeader(Decoder& decoder, const unsigned char* data, unsigned long size) {
    if (setjmp(decoder.errors.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&decoder.info);
    decoder.created = true;
    decoder.info.mem->max_memory_to_use = kMaxDecoderMemory;
    jpeg_mem_src(&decoder.info, data, size);
    jpeg_read_header(&decoder.info, TRUE);
    return true;
}

bool StartDecoding(Decoder& decoder) {
    if (setjmp(decoder.errors.jump) != 0) {
        return false;
    }
    decoder.info.out_color_space = kNativeSpace;
    jpeg_start_decompress(&decoder.info);
    return true;
}

bool DecodeRows(Decoder& decoder, unsigned char* first, std::ptrdiff_t stride) {
    if (setjmp(decoder.errors.jump) != 0) {
        return false;
    }
    // A warning means the data ran out or is damaged: the file is refused, so the rest (all grey
    // fill, possibly thousands of rows) is not worth decoding.
    while (decoder.info.output_scanline < decoder.info.output_height && !decoder.errors.warned) {
        JSAMPROW row = first + stride * decoder.info.output_scanline;
        jpeg_read_scanlines(&decoder.info, &row, 1);
    }
    if (!decoder.errors.warned) {
        jpeg_finish_decompress(&decoder.info);
    }
    return true;
}

struct Encoder {
    jpeg_compress_struct info{};
    JpegErrors errors;
    unsigned char* output = nullptr; // malloc'd by libjpeg
    unsigned long outputSize = 0;
    bool created = false;

    Encoder() {
        InstallErrors(errors);
        info.err = &errors.base;
    }
    ~Encoder() {
        if (created) {
            jpeg_destroy_compress(&info);
        }
        std::free(output);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
};

bool Encode(Encoder& encoder, const std::uint32_t* pixels, int width, int height, int quality) {
    if (setjmp(encoder.errors.jump) != 0) {
        return false;
    }
    jpeg_create_compress(&encoder.info);
    encoder.created = true;
    jpeg_mem_dest(&encoder.info, &encoder.output, &encoder.outputSize);
    encoder.info.image_width = static_cast<JDIMENSION>(width);
    encoder.info.image_height = static_cast<JDIMENSION>(height);
    encoder.info.input_components = 4;
    encoder.info.in_color_space = kNativeSpace;
    jpeg_set_defaults(&encoder.info);
    jpeg_set_quality(&encoder.info, quality, TRUE);
    jpeg_start_compress(&encoder.info, TRUE);
    while (encoder.info.next_scanline < encoder.info.image_height) {
        // libjpeg takes non-const rows but only reads them.
        JSAMPROW row = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(
            pixels + static_cast<std::ptrdiff_t>(width) * encoder.info.next_scanline));
        jpeg_write_scanlines(&encoder.info, &row, 1);
    }
    jpeg_finish_compress(&encoder.info);
    return true;
}

} // namespace

Bitmap Bitmap::LoadJpeg(const std::string& path) {
    const std::optional<std::string> file = ReadWholeFile(path);
    if (!file) {
        throw ImageError(ImageFault::Unreadable, path);
    }
    if (file->empty()) {
        throw ImageError(ImageFault::Empty, path);
    }
    Decoder decoder;
    if (!ReadHeader(decoder, reinterpret_cast<const unsigned char*>(file->data()),
                    static_cast<unsigned long>(file->size()))) {
        throw ImageError(ImageFault::JpegUnreadable, path, decoder.errors.message);
    }
    const JDIMENSION width = decoder.info.image_width;
    const JDIMENSION height = decoder.info.image_height;
    if (width == 0 || height == 0 || width > static_cast<JDIMENSION>(kMaxLoadSide) ||
        height > static_cast<JDIMENSION>(kMaxLoadSide)) {
        throw ImageError(ImageFault::BadSize, path,
                         std::to_string(width) + " x " + std::to_string(height));
    }
    if (!StartDecoding(decoder)) {
        throw ImageError(ImageFault::JpegUnreadable, path, decoder.errors.message);
    }
    Bitmap bitmap(static_cast<int>(decoder.info.output_width),
                  static_cast<int>(decoder.info.output_height));
    if (!DecodeRows(decoder, reinterpret_cast<unsigned char*>(bitmap.Row(0)), bitmap.stride_)) {
        throw ImageError(ImageFault::JpegUnreadable, path, decoder.errors.message);
    }
    if (decoder.errors.warned) {
        throw ImageError(ImageFault::JpegDamaged, path, decoder.errors.message);
    }
    return bitmap;
}

void Bitmap::SaveJpeg(const std::string& path, int quality) const {
    if (width_ == 0 || height_ == 0) {
        throw ImageError(ImageFault::SaveEmpty, path);
    }
    // Packed opaque rows in Cairo's byte order, whatever the stride and format.
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            pixels[static_cast<std::size_t>(y) * width_ + x] = ColourToNative(Pixel(x, y));
        }
    }
    Encoder encoder;
    const int clamped = quality < 1 ? 1 : (quality > 100 ? 100 : quality);
    if (!Encode(encoder, pixels.data(), width_, height_, clamped)) {
        throw ImageError(ImageFault::JpegCannotEncode, path, encoder.errors.message);
    }
    const std::string_view bytes(reinterpret_cast<const char*>(encoder.output), encoder.outputSize);
    if (!WriteFileAtomically(path, bytes)) {
        throw ImageError(ImageFault::CannotWriteJpeg, path);
    }
}

} // namespace scrivel::platform
