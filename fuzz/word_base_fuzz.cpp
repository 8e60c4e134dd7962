// Any bytes as words.let: every list comes out strictly ascending under the game's own comparison
// (so sorted and free of duplicates), holds only words of its length, and is what inserting the
// file's words one at a time would make; a word added later keeps it so.
#include "fuzz_file.h"
#include "model/word_base.h"
#include "platform/string_list.h"
#include "platform/word_compare.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <vector>

using scrivel::TBase;
using scrivel::fuzz::Require;
using scrivel::platform::StringList;
using scrivel::platform::WordCompare;

namespace {

size_t ListOf(size_t length) {
    return std::min<size_t>(length - 3, TBase::ListCount - 1);
}

void CheckList(const WordCompare& compare, const std::vector<std::string>& words, size_t list) {
    for (size_t i = 0; i < words.size(); ++i) {
        Require(words[i].size() >= 3 && ListOf(words[i].size()) == list,
                "a word sits in the list of its length");
        Require(i == 0 || compare.Compare(words[i - 1], words[i]) < 0,
                "a list is strictly ascending under the word comparison");
    }
}

bool Holds(const WordCompare& compare, const std::vector<std::string>& words,
           std::string_view word) {
    const auto at = std::lower_bound(
        words.begin(), words.end(), word,
        [&](const std::string& a, std::string_view b) { return compare.Compare(a, b) < 0; });
    return at != words.end() && compare.Compare(*at, word) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const WordCompare compare;
    static scrivel::fuzz::MemoryFile file;
    TBase base(file.Hold(data, size), compare);

    std::array<std::vector<std::string>, TBase::ListCount> lists;
    StringList copy;
    for (int i = 0; i < TBase::ListCount; ++i) {
        base.CopyList(i, copy);
        lists[static_cast<size_t>(i)] = copy.Items();
        Require(base.WordCount(i) == copy.Count(), "WordCount matches the copied list");
        CheckList(compare, lists[static_cast<size_t>(i)], static_cast<size_t>(i));
    }

    // The lists as inserting the file's words one at a time builds them, ordered by the
    // collator's own sort keys, so that the comparison's fast paths are checked too: the first of
    // words that compare equal stays, the others are skipped.
    std::array<std::map<std::string, std::string>, TBase::ListCount> inserted;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    std::string_view last;
    for (size_t end = text.find('/'); end != std::string_view::npos; end = text.find('/', start)) {
        const std::string_view word = text.substr(start, end - start);
        if (word.size() >= 3) {
            inserted[ListOf(word.size())].emplace(compare.SortKey(word), word);
            last = word;
        }
        start = end + 1;
    }
    for (size_t i = 0; i < lists.size(); ++i) {
        std::vector<std::string> expected;
        for (const auto& entry : inserted[i]) {
            expected.push_back(entry.second);
        }
        Require(lists[i] == expected, "the lists are those of inserting one word at a time");
    }

    // A word from the file comes back refused; its mirror image is added at most once.
    if (!last.empty()) {
        Require(!base.AddWord(std::string(last)), "a word already there is not added again");
        const std::string mirror(last.rbegin(), last.rend());
        const bool added = base.AddWord(mirror);
        Require(!added || !base.AddWord(mirror), "a word is added only once");
        const int list = static_cast<int>(ListOf(mirror.size()));
        base.CopyList(list, copy);
        CheckList(compare, copy.Items(), static_cast<size_t>(list));
        Require(Holds(compare, copy.Items(), mirror), "an added word is in its list");
    }
    return 0;
}
