#include "platform/utf8.h"

namespace scrivel::platform {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0; // the smallest code point that needs this many bytes
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        least = 0x10000;
    }
    bool valid = length != 0 && i + length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        valid = IsContinuation(next);
        code = (code << 6) | (next & 0x3F);
    }
    valid = valid && code >= least && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    if (!valid) {
        ++i;
        return std::nullopt;
    }
    i += length;
    return code;
}

std::string SanitiseUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        if (DecodeUtf8(text, i)) {
            out.append(text.substr(start, i - start));
        } else {
            out += '?';
        }
    }
    return out;
}

std::string Utf8ToLatin1(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<char32_t> code = DecodeUtf8(text, i);
        if (code && *code < 0x100) {
            out += static_cast<char>(*code);
            continue;
        }
        out += '?';
        if (!code) {
            while (i < text.size() && IsContinuation(static_cast<unsigned char>(text[i]))) {
                ++i;
            }
        }
    }
    return out;
}

} // namespace scrivel::platform
