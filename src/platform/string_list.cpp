#include "platform/string_list.h"

#include "platform/file_system.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace scrivel::platform {

namespace {

void CheckIndex(int index, int limit, const char* what) {
    if (index < 0 || index > limit) {
        throw std::out_of_range(std::string("StringList::") + what + ": index " +
                                std::to_string(index) + " out of range");
    }
}

} // namespace

void StringList::Set(int index, std::string value) {
    CheckIndex(index, Count() - 1, "Set");
    items_[static_cast<size_t>(index)] = std::move(value);
}

void StringList::Add(std::string value) {
    items_.push_back(std::move(value));
}

void StringList::Insert(int index, std::string value) {
    CheckIndex(index, Count(), "Insert");
    items_.insert(items_.begin() + index, std::move(value));
}

void StringList::Delete(int index) {
    CheckIndex(index, Count() - 1, "Delete");
    items_.erase(items_.begin() + index);
}

int StringList::IndexOf(const std::string& value, const StringCompare& compare) const {
    for (int i = 0; i < Count(); ++i) {
        if (compare(items_[static_cast<size_t>(i)], value) == 0) {
            return i;
        }
    }
    return -1;
}

bool StringList::Find(const std::string& value, const StringCompare& compare, int& index) const {
    // Lower bound: among equal strings the first one is reported, so an insertion there keeps the
    // list sorted and a look-up always lands on the earliest duplicate.
    int low = 0;
    int high = Count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (compare(items_[static_cast<size_t>(middle)], value) < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    index = low;
    return low < Count() && compare(items_[static_cast<size_t>(low)], value) == 0;
}

void StringList::Sort(const StringCompare& compare) {
    std::stable_sort(
        items_.begin(), items_.end(),
        [&compare](const std::string& a, const std::string& b) { return compare(a, b) < 0; });
}

bool StringList::LoadFromFile(const std::string& path) {
    items_.clear();
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        return false;
    }
    SetText(*bytes);
    return true;
}

void StringList::SetText(std::string_view text) {
    items_.clear();
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            items_.emplace_back(text.substr(start));
            break;
        }
        items_.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
}

std::string StringList::Text() const {
    size_t size = 0;
    for (const std::string& item : items_) {
        size += item.size() + 2;
    }
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& item : items_) {
        bytes += item;
        bytes += "\r\n";
    }
    return bytes;
}

FileWrite StringList::SaveToFile(const std::string& path) const {
    return WriteFileAtomically(path, Text());
}

} // namespace scrivel::platform
