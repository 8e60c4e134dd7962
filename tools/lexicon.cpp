#include "lexicon.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <utility>

namespace scrivel {

namespace {

// The accented vowels the game turns into plain ones before play, as Latin-1 bytes.
constexpr std::string_view FoldedVowels = "\xE2\xE0\xE9\xE8\xEA\xEB\xEE\xEF\xF4\xF6\xFB\xFC\xF9";

bool Allowed(unsigned char latin1) {
    return (latin1 >= 'a' && latin1 <= 'z') ||
           FoldedVowels.find(static_cast<char>(latin1)) != std::string_view::npos;
}

// The word in Latin-1, or nothing when it holds a character the game cannot use (or is not valid
// UTF-8).
std::optional<std::string> ToGameWord(std::string_view utf8) {
    std::string word;
    for (size_t i = 0; i < utf8.size(); ++i) {
        auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte == 0xC3 && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[i + 1]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            byte = static_cast<unsigned char>(0xC0 | (next & 0x3F));
            ++i;
        } else if (byte >= 0x80) {
            return std::nullopt;
        }
        if (!Allowed(byte)) {
            return std::nullopt;
        }
        word += static_cast<char>(byte);
    }
    return word;
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

void Lexicon::AddLine(std::string_view line) {
    const bool first = std::exchange(firstLine_, false);
    if (first && line.substr(0, 3) == "\xEF\xBB\xBF") {
        line.remove_prefix(3); // a byte-order mark
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    // A hunspell dictionary: a count first, then each word with its affix flags or fields.
    if (first && AllDigits(line)) {
        return;
    }
    line = line.substr(0, line.find_first_of("/\t"));
    if (line.empty()) {
        return;
    }
    const std::optional<std::string> word = ToGameWord(line);
    if (!word || word->size() < MinLength) {
        ++dropped_;
        return;
    }
    if (!seen_.insert(*word).second) {
        ++duplicates_;
        return;
    }
    base_ += *word;
    base_ += '/';
    ++kept_[word->size()];
}

int Lexicon::Kept() const {
    return std::accumulate(kept_.begin(), kept_.end(), 0,
                           [](int sum, const auto& entry) { return sum + entry.second; });
}

} // namespace scrivel
