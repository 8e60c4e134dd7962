#pragma once

#include "texts/language.h"

#include <memory>
#include <string>
#include <string_view>

namespace scrivel::platform {

// The game's word order: the word base's language's collation at secondary strength over Latin-1
// bytes. Case is ignored and an accent only matters between words that are otherwise equal
// ("pate" < "pâte" < "pater"). Independent of LANG: the locale is always "fr" or "en".
class WordCompare {
public:
    // Throws std::runtime_error when ICU cannot open the collator.
    explicit WordCompare(texts::Language language = texts::Language::French);
    ~WordCompare();
    WordCompare(const WordCompare&) = delete;
    WordCompare& operator=(const WordCompare&) = delete;

    // Negative, zero or positive.
    int Compare(std::string_view a, std::string_view b) const;
    int operator()(const std::string& a, const std::string& b) const { return Compare(a, b); }

    // A byte string whose plain byte order (std::string's <) is Compare's order, for bulk sorting.
    std::string SortKey(std::string_view word) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace scrivel::platform
