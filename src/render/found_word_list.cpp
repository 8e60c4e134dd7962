#include "render/found_word_list.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace scrivel {

void TFoundWordList::Insert(int index, std::unique_ptr<TWord> item) {
    if (index < 0 || index > Count()) {
        throw std::out_of_range("found-word list: no place " + std::to_string(index) +
                                " to insert at in " + std::to_string(Count()) + " words");
    }
    items_.insert(items_.begin() + index, std::move(item));
}

TWord* TFoundWordList::Items(int index) const {
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("found-word list: no word " + std::to_string(index) + " in " +
                                std::to_string(Count()));
    }
    return items_[static_cast<std::size_t>(index)].get();
}

} // namespace scrivel
