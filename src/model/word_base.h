#pragma once

#include "platform/string_list.h"
#include "platform/word_compare.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scrivel {

// The word base read from words.let: eight lists by length (3 to 9 letters, then 10 and more), each
// ascending under the game's word comparison and without two equal words.
class TBase {
public:
    static constexpr int ListCount = 8;

    // Reads fileName when it exists; otherwise creates it empty (a message box when it cannot be
    // created). A file that exists but cannot be read is reported the same way and leaves the base
    // empty. compare must outlive the base.
    TBase(std::string fileName, const platform::WordCompare& compare);
    ~TBase();
    TBase(const TBase&) = delete;
    TBase& operator=(const TBase&) = delete;

    const std::string& FileName() const { return fileName_; }

    // Empties target, then appends every word of list index in list order. Throws
    // std::out_of_range for an index outside 0..ListCount-1.
    void CopyList(int index, platform::StringList& target);

    // Number of words in list index (std::out_of_range as above).
    int WordCount(int index);

    // True when the word was added (at least 3 bytes and not already in its list).
    bool AddWord(const std::string& word);

private:
    // A word of a list: where its bytes stand in text_.
    struct Span {
        uint32_t offset = 0;
        uint32_t length = 0;
    };
    // A list is built on first use: its words are gathered from the file's bytes, sorted once
    // (much cheaper than one insertion per word) and freed of duplicates. The game never uses the
    // two longest lists, so their words are not even gathered unless asked for.
    struct List {
        std::vector<Span> words; // ascending and without duplicates once built
        bool built = false;
    };
    // The lists of 3 to 8 letters, gathered while the file is read; the others on first use.
    static constexpr size_t PlayingLists = 6;

    static size_t ListIndex(size_t length);
    std::string_view View(Span span) const { return {text_.data() + span.offset, span.length}; }
    void Load();
    // Gathers the file's words of the lists first..last - 1.
    void Gather(size_t first, size_t last);
    List& Ready(int index);

    std::string fileName_;
    const platform::WordCompare& compare_;
    // The file's bytes, then those of words added later. Offsets stay valid as it grows.
    std::string text_;
    size_t fileSize_ = 0;
    std::array<List, ListCount> lists_;
};

} // namespace scrivel
