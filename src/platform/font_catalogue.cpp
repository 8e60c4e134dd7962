#include "platform/font_catalogue.h"

#include <algorithm>
#include <cctype>
#include <fontconfig/fontconfig.h>
#include <memory>

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
        FcObjectSetBuild(FC_FAMILY, nullptr));
    const std::unique_ptr<FcFontSet, FontSetDeleter> fonts(
        FcFontList(nullptr, pattern.get(), objects.get()));
    if (!fonts) {
        return;
    }
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8* family = nullptr;
        // The first name is the family's own; later ones are style-specific or translated.
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch) {
            families_.emplace_back(reinterpret_cast<const char*>(family));
        }
    }
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
