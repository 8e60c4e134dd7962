#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <unordered_set>

namespace scrivel {

// Turns a UTF-8 word list, one word a line, into the game's words.let: every word of at least
// three letters written only with a..z and the accented vowels the game folds, in Latin-1, each
// followed by '/', in the order of the list, each word once. Words with capitals (proper nouns),
// digits, other letters or punctuation are dropped. Lines may end in CR LF; a hunspell dictionary's
// count line and "/FLAGS" suffixes are understood.
class Lexicon {
public:
    static constexpr std::size_t MinLength = 3;

    // Takes one line of the list, without its line feed.
    void AddLine(std::string_view line);

    // The bytes of words.let.
    const std::string& Base() const { return base_; }
    // How many words of each length (in letters) were kept.
    const std::map<std::size_t, int>& KeptPerLength() const { return kept_; }
    int Kept() const;
    // Words the game cannot use: too short, or with a character outside its alphabet.
    int Dropped() const { return dropped_; }
    int Duplicates() const { return duplicates_; }

private:
    std::string base_;
    std::map<std::size_t, int> kept_;
    std::unordered_set<std::string> seen_;
    int dropped_ = 0;
    int duplicates_ = 0;
    bool firstLine_ = true;
};

} // namespace scrivel
