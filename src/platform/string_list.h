#pragma once

#include "platform/file_system.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace scrivel::platform {

// Orders two strings like strcmp: negative, zero or positive.
using StringCompare = std::function<int(const std::string&, const std::string&)>;

// An ordered list of 8-bit strings (Latin-1 bytes): the word lists, the letter pool, the score
// table.
class StringList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](int index) const { return items_.at(static_cast<size_t>(index)); }
    void Set(int index, std::string value);
    void Add(std::string value);
    void Insert(int index, std::string value);
    void Delete(int index);
    void Clear() { items_.clear(); }

    // Index of the first string equal to value under compare, or -1.
    int IndexOf(const std::string& value, const StringCompare& compare) const;

    // Binary search of a list sorted under compare. True when found, with index at the match;
    // otherwise index is where value belongs (the first string greater than it).
    bool Find(const std::string& value, const StringCompare& compare, int& index) const;

    // Stable, so equal strings keep their order and runs are repeatable.
    void Sort(const StringCompare& compare);

    // Lines end at CR, LF or CR LF; a last line without an ending still counts. False when the file
    // cannot be read, the list is then empty.
    bool LoadFromFile(const std::string& path);
    // The lines of text, as LoadFromFile splits a file.
    void SetText(std::string_view text);
    // Each line followed by CR LF.
    std::string Text() const;
    // Text(), written to a temporary file and renamed over path.
    FileWrite SaveToFile(const std::string& path) const;

    // Direct access for bulk work (loading a whole dictionary).
    std::vector<std::string>& Items() { return items_; }
    const std::vector<std::string>& Items() const { return items_; }

private:
    std::vector<std::string> items_;
};

} // namespace scrivel::platform
