#include "platform/word_compare.h"

#include "texts/language.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <unicode/ucol.h>
#include <unicode/uset.h>
#include <vector>

namespace scrivel::platform {

namespace {

struct CollatorCloser {
    void operator()(UCollator* collator) const { ucol_close(collator); }
};
using CollatorHandle = std::unique_ptr<UCollator, CollatorCloser>;

struct SetCloser {
    void operator()(USet* set) const { uset_close(set); }
};
using SetHandle = std::unique_ptr<USet, SetCloser>;

CollatorHandle OpenCollator(texts::Language language, UCollationStrength strength) {
    UErrorCode status = U_ZERO_ERROR;
    // Always a named locale: ICU's default under LANG=C is en_US_POSIX, where case matters.
    const char* locale = texts::Code(language);
    CollatorHandle collator(ucol_open(locale, &status));
    if (U_FAILURE(status) || !collator) {
        throw std::runtime_error(std::string("ICU: cannot open the \"") + locale +
                                 "\" collator: " + u_errorName(status));
    }
    ucol_setStrength(collator.get(), strength);
    return collator;
}

// Latin-1 bytes are the first 256 code points, so widening is a plain copy. Short words stay on
// the stack: comparisons run by the hundred thousand while the word base loads.
class Widened {
public:
    explicit Widened(std::string_view text) : length_(static_cast<int32_t>(text.size())) {
        UChar* out = local_.data();
        if (text.size() > local_.size()) {
            heap_.resize(text.size());
            out = heap_.data();
        }
        for (size_t i = 0; i < text.size(); ++i) {
            out[i] = static_cast<unsigned char>(text[i]);
        }
        data_ = out;
    }
    Widened(const Widened&) = delete;
    Widened& operator=(const Widened&) = delete;

    const UChar* Data() const { return data_; }
    int32_t Length() const { return length_; }

private:
    std::array<UChar, 64> local_{};
    std::vector<UChar> heap_;
    const UChar* data_ = nullptr;
    int32_t length_ = 0;
};

int CollatorCompare(const UCollator* collator, std::string_view a, std::string_view b) {
    const Widened wa(a);
    const Widened wb(b);
    switch (ucol_strcoll(collator, wa.Data(), wa.Length(), wb.Data(), wb.Length())) {
    case UCOL_LESS:
        return -1;
    case UCOL_GREATER:
        return 1;
    default:
        return 0;
    }
}

} // namespace

// The fast path rests on a model of the collator that holds for "simple" bytes: a byte is simple
// when it has exactly the primary weight of one letter a..z plus at most secondary or tertiary
// weights (capitals, accented letters). Two words made only of simple bytes then compare by their
// base letters bytewise and, when those are equal, by the accent of the first letter (the last one
// under backwards secondary ordering) where they differ. The table is read from the collator itself
// rather than written down, and any other byte (digits, spaces, controls, ß, æ) goes to ICU.
struct WordCompare::Impl {
    texts::Language language = texts::Language::French;
    CollatorHandle collator; // opened by the constructor, in language

    // Base letter of a simple byte, 0 for bytes the model does not cover.
    std::array<unsigned char, 256> base{};
    // Order of the byte's accent among the forms of its base letter; equal for forms the collator
    // does not tell apart (a, A).
    std::array<unsigned char, 256> accent{};
    bool backwardsAccents = false;

    explicit Impl(texts::Language spoken)
        : language(spoken), collator(OpenCollator(spoken, UCOL_SECONDARY)) {
        BuildTable();
    }

    int Compare(std::string_view a, std::string_view b) const;

private:
    void BuildTable();
    void ExcludeContractions(const UCollator* primary);
};

void WordCompare::Impl::BuildTable() {
    const CollatorHandle primary = OpenCollator(language, UCOL_PRIMARY);
    UErrorCode status = U_ZERO_ERROR;
    backwardsAccents = ucol_getAttribute(collator.get(), UCOL_FRENCH_COLLATION, &status) == UCOL_ON;
    if (U_FAILURE(status)) {
        return; // No table: every comparison goes to ICU.
    }
    auto single = [](int byte) { return std::string(1, static_cast<char>(byte)); };

    // The letters must follow each other in byte order for the bytewise comparison to hold.
    for (int letter = 'a'; letter < 'z'; ++letter) {
        if (CollatorCompare(primary.get(), single(letter), single(letter + 1)) >= 0) {
            return;
        }
    }
    std::array<std::vector<int>, 26> forms;
    for (int byte = 1; byte < 256; ++byte) {
        int found = 0;
        int count = 0;
        for (int letter = 'a'; letter <= 'z'; ++letter) {
            if (CollatorCompare(primary.get(), single(byte), single(letter)) == 0) {
                found = letter;
                ++count;
            }
        }
        if (count == 1) {
            forms[static_cast<size_t>(found - 'a')].push_back(byte);
        }
    }
    for (const std::vector<int>& group : forms) {
        std::vector<int> sorted = group;
        std::stable_sort(sorted.begin(), sorted.end(), [&](int x, int y) {
            return CollatorCompare(collator.get(), single(x), single(y)) < 0;
        });
        unsigned char rank = 1;
        for (size_t i = 0; i < sorted.size(); ++i) {
            if (i > 0 &&
                CollatorCompare(collator.get(), single(sorted[i - 1]), single(sorted[i])) != 0) {
                ++rank;
            }
            const auto byte = static_cast<size_t>(sorted[i]);
            base[byte] = static_cast<unsigned char>('a' + (&group - forms.data()));
            accent[byte] = rank;
        }
    }
    ExcludeContractions(primary.get());
}

// A contraction makes a letter weigh by what follows it (the root order has "l·"). The model still
// holds when the bytes that follow are never simple, so that ICU takes over on reaching them, and
// the contraction weighs like its first letter at the primary level. Otherwise every byte of it
// goes to ICU.
void WordCompare::Impl::ExcludeContractions(const UCollator* primary) {
    UErrorCode status = U_ZERO_ERROR;
    const SetHandle contractions(uset_openEmpty());
    ucol_getContractionsAndExpansions(collator.get(), contractions.get(), nullptr, true, &status);
    if (U_FAILURE(status)) {
        base.fill(0);
        return;
    }
    const int32_t count = uset_getItemCount(contractions.get());
    for (int32_t item = 0; item < count; ++item) {
        std::array<UChar, 256> text{};
        UChar32 first = 0;
        UChar32 last = 0;
        status = U_ZERO_ERROR;
        const int32_t length = uset_getItem(contractions.get(), item, &first, &last, text.data(),
                                            static_cast<int32_t>(text.size()), &status);
        if (U_FAILURE(status)) {
            base.fill(0); // A contraction that cannot be read might matter: trust ICU alone.
            return;
        }
        if (length <= 0 ||
            std::any_of(text.begin(), text.begin() + length, [](UChar c) { return c > 0xFF; })) {
            continue; // Only contractions that Latin-1 text can spell matter.
        }
        std::string latin1;
        for (int32_t i = 0; i < length; ++i) {
            latin1 += static_cast<char>(text[static_cast<size_t>(i)]);
        }
        bool holds = CollatorCompare(primary, latin1, latin1.substr(0, 1)) == 0;
        for (size_t i = 1; i < latin1.size(); ++i) {
            holds = holds && base[static_cast<unsigned char>(latin1[i])] == 0;
        }
        if (!holds) {
            for (const char c : latin1) {
                base[static_cast<unsigned char>(c)] = 0;
            }
        }
    }
}

int WordCompare::Impl::Compare(std::string_view a, std::string_view b) const {
    const size_t common = std::min(a.size(), b.size());
    int accentOrder = 0;
    for (size_t i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca == cb) {
            // Equal bytes only need to be simple to keep the letters of both words aligned.
            if (base[ca] == 0) {
                return CollatorCompare(collator.get(), a, b);
            }
            continue;
        }
        const unsigned char la = base[ca];
        const unsigned char lb = base[cb];
        if (la == 0 || lb == 0) {
            return CollatorCompare(collator.get(), a, b);
        }
        if (la != lb) {
            return la < lb ? -1 : 1;
        }
        if (accent[ca] != accent[cb] && (accentOrder == 0 || backwardsAccents)) {
            accentOrder = accent[ca] < accent[cb] ? -1 : 1;
        }
    }
    // Every letter of the longer word has a primary weight only if its tail is simple too.
    const std::string_view tail = a.size() > b.size() ? a.substr(common) : b.substr(common);
    for (const char c : tail) {
        if (base[static_cast<unsigned char>(c)] == 0) {
            return CollatorCompare(collator.get(), a, b);
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return accentOrder;
}

WordCompare::WordCompare(texts::Language language) : impl_(std::make_unique<Impl>(language)) {}

WordCompare::~WordCompare() = default;

int WordCompare::Compare(std::string_view a, std::string_view b) const {
    return impl_->Compare(a, b);
}

std::string WordCompare::SortKey(std::string_view word) const {
    const Widened wide(word);
    std::vector<uint8_t> key(word.size() * 4 + 16);
    int32_t length = ucol_getSortKey(impl_->collator.get(), wide.Data(), wide.Length(), key.data(),
                                     static_cast<int32_t>(key.size()));
    if (length > static_cast<int32_t>(key.size())) {
        key.resize(static_cast<size_t>(length));
        length = ucol_getSortKey(impl_->collator.get(), wide.Data(), wide.Length(), key.data(),
                                 static_cast<int32_t>(key.size()));
    }
    // The length counts the closing zero, which plain byte order does not need.
    const size_t size = length > 0 ? static_cast<size_t>(length) - 1 : 0;
    return std::string(key.begin(), key.begin() + static_cast<std::ptrdiff_t>(size));
}

} // namespace scrivel::platform
