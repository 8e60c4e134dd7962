#include "platform/font_catalogue.h"

#include <algorithm>
#include <cctype>
#include <fontconfig/fontconfig.h>
#include <map>
#include <memory>
#include <utility>

namespace scrivel::platform {

namespace {

// "same" binding: the look-alike counts as strongly as the name the game asked for, so it wins
// over the generic families that the system configuration appends.
constexpr char kAliases[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <alias binding="same"><family>Arial</family><prefer><family>Liberation Sans</family></prefer></alias>
  <alias binding="same"><family>Times New Roman</family><prefer><family>Liberation Serif</family></prefer></alias>
  <alias binding="same"><family>Garamond</family><prefer><family>EB Garamond</family></prefer></alias>
  <alias binding="same"><family>Verdana</family><prefer><family>DejaVu Sans</family></prefer></alias>
  <alias binding="same"><family>Lucida Console</family><prefer><family>DejaVu Sans Mono</family></prefer></alias>
</fontconfig>
)";

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct ObjectSetDeleter {
    void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
struct CharSetDeleter {
    void operator()(FcCharSet* set) const { FcCharSetDestroy(set); }
};

// What the cubes and the head-up texts show: a font without all of these (symbols, dingbats)
// would make the board unreadable.
std::unique_ptr<FcCharSet, CharSetDeleter> GameCharacters() {
    std::unique_ptr<FcCharSet, CharSetDeleter> set(FcCharSetCreate());
    for (const auto& [first, last] : {std::pair{'A', 'Z'}, {'a', 'z'}, {'0', '9'}}) {
        for (char c = first; c <= last; ++c) {
            FcCharSetAddChar(set.get(), static_cast<FcChar32>(c));
        }
    }
    return set;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    const bool less =
        std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                     [&](char x, char y) { return lower(x) < lower(y); });
    const bool greater =
        std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                     [&](char x, char y) { return lower(x) < lower(y); });
    return less || (!greater && a < b);
}

} // namespace

FontCatalogue::FontCatalogue() {
    const std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    const std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(
        FcObjectSetBuild(FC_FAMILY, FC_CHARSET, nullptr));
    const std::unique_ptr<FcFontSet, FontSetDeleter> fonts(
        FcFontList(nullptr, pattern.get(), objects.get()));
    if (!fonts) {
        return;
    }
    // A family is offered when every one of its faces has the letters: symbol fonts often come
    // with a face that claims Latin codes for its symbols as well.
    const auto needed = GameCharacters();
    std::map<std::string, bool> readable;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8* family = nullptr;
        FcCharSet* characters = nullptr;
        // The first name is the family's own; later ones are style-specific or translated.
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch) {
            continue;
        }
        const bool covers =
            FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &characters) == FcResultMatch &&
            FcCharSetIsSubset(needed.get(), characters);
        const auto [entry, added] = readable.emplace(reinterpret_cast<const char*>(family), covers);
        entry->second = entry->second && covers;
    }
    for (const auto& [family, covers] : readable) {
        if (covers) {
            families_.push_back(family);
        }
    }
    // The game's default stays on offer, so it can be chosen again: the aliases serve it.
    families_.emplace_back(kDefaultFamily);
    std::sort(families_.begin(), families_.end(), LessIgnoringCase);
    families_.erase(std::unique(families_.begin(), families_.end()), families_.end());
}

bool FontCatalogue::RegisterAliases() {
    FcConfig* config = FcConfigGetCurrent();
    if (config == nullptr) {
        return false;
    }
    return FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kAliases),
                                          FcTrue) == FcTrue;
}

std::string FontCatalogue::MatchFamily(const std::string& name) {
    const std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const std::unique_ptr<FcPattern, PatternDeleter> match(
        FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8* family = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &family) != FcResultMatch) {
        return {};
    }
    return reinterpret_cast<const char*>(family);
}

} // namespace scrivel::platform
