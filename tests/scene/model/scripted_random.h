#pragma once

#include <gtest/gtest.h>
#include <vector>

namespace scrivel::test {

// Hands out the given values in order and counts the draws; running past the end fails the test.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<int> values) : values_(std::move(values)) {}

    int operator()() {
        if (next_ >= values_.size()) {
            ADD_FAILURE() << "more random draws than scripted";
            return 0;
        }
        return values_[next_++];
    }
    std::size_t Draws() const { return next_; }

private:
    std::vector<int> values_;
    std::size_t next_ = 0;
};

} // namespace scrivel::test
