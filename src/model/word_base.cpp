#include "model/word_base.h"

#include "platform/file_system.h"
#include "platform/message_box.h"
#include "texts/texts.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <stdexcept>
#include <utility>

namespace scrivel {

namespace {

constexpr size_t MinLength = 3;
constexpr char Terminator = '/';

// Calls visit(start, length) for every word of the bytes; those after the last terminator do not
// form one.
template <typename Visit> void ForEachWord(std::string_view text, Visit visit) {
    size_t start = 0;
    for (size_t end = text.find(Terminator); end != std::string_view::npos;
         end = text.find(Terminator, start)) {
        if (end - start >= MinLength) {
            visit(start, end - start);
        }
        start = end + 1;
    }
}

} // namespace

TBase::TBase(std::string fileName, const platform::WordCompare& compare)
    : fileName_(std::move(fileName)), compare_(compare) {
    if (platform::FileExists(fileName_)) {
        Load();
    } else if (!platform::CreateEmptyFile(fileName_)) {
        platform::MessageBox(texts::Compose(texts::TextId::CannotCreateFile, {fileName_}));
    }
}

TBase::~TBase() = default;

size_t TBase::ListIndex(size_t length) {
    return std::min(length - MinLength, static_cast<size_t>(ListCount - 1));
}

void TBase::Load() {
    std::optional<std::string> bytes = platform::ReadWholeFile(fileName_);
    if (!bytes) {
        // The game can still be shown; it simply has no words.
        platform::MessageBox(texts::Compose(texts::TextId::CannotReadWordFile, {fileName_}));
        return;
    }
    // Words are found by 32-bit offsets, which leaves room for every dictionary there is.
    if (bytes->size() > std::numeric_limits<uint32_t>::max() / 2) {
        platform::MessageBox(texts::Compose(texts::TextId::WordFileTooLarge, {fileName_}));
        return;
    }
    text_ = std::move(*bytes);
    fileSize_ = text_.size();
    Gather(0, PlayingLists);
}

void TBase::Gather(size_t first, size_t last) {
    const std::string_view text(text_.data(), fileSize_);
    // Counted first so that each list is allocated once: fresh memory is what loading costs most.
    std::array<size_t, ListCount> counts{};
    ForEachWord(text, [&](size_t, size_t length) { ++counts[ListIndex(length)]; });
    for (size_t i = first; i < last; ++i) {
        lists_[i].words.reserve(counts[i]);
    }
    ForEachWord(text, [&](size_t start, size_t length) {
        const size_t index = ListIndex(length);
        if (index >= first && index < last) {
            lists_[index].words.push_back(
                {static_cast<uint32_t>(start), static_cast<uint32_t>(length)});
        }
    });
}

TBase::List& TBase::Ready(int index) {
    if (index < 0 || index >= ListCount) {
        throw std::out_of_range("TBase: no word list " + std::to_string(index));
    }
    const auto at = static_cast<size_t>(index);
    List& list = lists_[at];
    if (list.built) {
        return list;
    }
    if (at >= PlayingLists) {
        Gather(at, at + 1);
    }
    std::vector<Span>& words = list.words;
    auto less = [this](Span a, Span b) { return compare_.Compare(View(a), View(b)) < 0; };
    // Stable, so of words that compare equal the first in file order leads its run and is the one
    // kept, as inserting the words one by one would keep it. A file written in order costs one
    // comparison per word.
    if (!std::is_sorted(words.begin(), words.end(), less)) {
        std::stable_sort(words.begin(), words.end(), less);
    }
    words.erase(
        std::unique(words.begin(), words.end(),
                    [this](Span a, Span b) { return compare_.Compare(View(a), View(b)) == 0; }),
        words.end());
    list.built = true;
    return list;
}

void TBase::CopyList(int index, platform::StringList& target) {
    const List& list = Ready(index);
    std::vector<std::string>& items = target.Items();
    items.clear();
    items.reserve(list.words.size());
    for (const Span word : list.words) {
        items.emplace_back(View(word));
    }
}

int TBase::WordCount(int index) {
    return static_cast<int>(Ready(index).words.size());
}

bool TBase::AddWord(const std::string& word) {
    if (word.size() < MinLength || word.size() > std::numeric_limits<uint32_t>::max() / 2) {
        return false;
    }
    std::vector<Span>& words = Ready(static_cast<int>(ListIndex(word.size()))).words;
    const auto place =
        std::lower_bound(words.begin(), words.end(), word, [this](Span a, const std::string& b) {
            return compare_.Compare(View(a), b) < 0;
        });
    if (place != words.end() && compare_.Compare(View(*place), word) == 0) {
        return false;
    }
    if (text_.size() + word.size() > std::numeric_limits<uint32_t>::max()) {
        throw std::length_error("TBase: too many words");
    }
    const Span added{static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(word.size())};
    text_ += word;
    words.insert(place, added);
    return true;
}

} // namespace scrivel
