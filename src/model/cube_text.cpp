#include "model/cube_text.h"

#include "platform/utf8.h"

#include <array>
#include <optional>

namespace scrivel {

namespace {

// The plain letters of U+00C0 to U+00FF, upper case then lower; empty where there is no letter
// (the multiplication and division signs), two letters where one stands for two (Æ, Þ, ß).
constexpr std::array<std::string_view, 64> kLatin1Letters = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

bool Drawn(char32_t code) {
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') ||
           (code >= '0' && code <= '9');
}

} // namespace

std::string CubeText::Plain(std::string_view utf8) {
    std::string plain;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::optional<char32_t> code = platform::DecodeUtf8(utf8, i);
        if (!code) {
            plain += ' ';
        } else if (Drawn(*code)) {
            plain += static_cast<char>(*code);
        } else if (*code >= 0xC0 && *code <= 0xFF && !kLatin1Letters[*code - 0xC0].empty()) {
            plain += kLatin1Letters[*code - 0xC0];
        } else if (*code == 0x152 || *code == 0x153) {
            plain += *code == 0x152 ? "OE" : "oe";
        } else if (*code == 0x178) {
            plain += 'Y';
        } else {
            plain += ' ';
        }
    }
    return plain;
}

std::string CubeText::Fit(std::string_view text, int cells) {
    if (static_cast<int>(text.size()) <= cells) {
        return std::string(text);
    }
    if (cells < 1) {
        return std::string();
    }
    std::string_view kept = text.substr(0, static_cast<std::size_t>(cells - 1));
    while (!kept.empty() && kept.back() == ' ') {
        kept.remove_suffix(1);
    }
    return std::string(kept) + std::string(CutMark);
}

} // namespace scrivel
