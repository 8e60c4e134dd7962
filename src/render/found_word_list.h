#pragma once

#include "render/word.h"

#include <memory>
#include <vector>

namespace scrivel {

// The flying found words, newest first. The list owns its words; empty slots are allowed.
class TFoundWordList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // Throws std::out_of_range unless 0 <= index <= Count.
    void Insert(int index, std::unique_ptr<TWord> item);
    // Throws std::out_of_range unless 0 <= index < Count; null for an empty slot.
    TWord* Items(int index) const;

private:
    std::vector<std::unique_ptr<TWord>> items_;
};

} // namespace scrivel
