#include "platform/font_catalogue.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace scrivel::platform {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

TEST(FontCatalogue, ListsEachInstalledFamilyOnceInCaseInsensitiveOrder) {
    const FontCatalogue catalogue;
    const auto& families = catalogue.Families();
    for (const char* family : {"Liberation Sans", "Liberation Serif", "DejaVu Sans",
                               "DejaVu Sans Mono", "EB Garamond"}) {
        EXPECT_EQ(std::count(families.begin(), families.end(), family), 1) << family;
    }
    for (std::size_t i = 1; i < families.size(); ++i) {
        EXPECT_LE(Lower(families[i - 1]), Lower(families[i]));
        EXPECT_NE(families[i - 1], families[i]);
    }
    // Aliases are names to ask for, not installed families.
    EXPECT_EQ(std::count(families.begin(), families.end(), "Garamond"), 0);
    EXPECT_EQ(FontCatalogue().Families(), families) << "the same order on every reading";
}

TEST(FontCatalogue, AliasesGiveTheGamesWindowsFontsInstalledLookAlikes) {
    ASSERT_TRUE(FontCatalogue::RegisterAliases());
    ASSERT_TRUE(FontCatalogue::RegisterAliases()) << "registering twice is harmless";
    EXPECT_EQ(FontCatalogue::MatchFamily("Arial"), "Liberation Sans");
    EXPECT_EQ(FontCatalogue::MatchFamily("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(FontCatalogue::MatchFamily("Garamond"), "EB Garamond");
    EXPECT_EQ(FontCatalogue::MatchFamily("Verdana"), "DejaVu Sans");
    EXPECT_EQ(FontCatalogue::MatchFamily("Lucida Console"), "DejaVu Sans Mono");
    EXPECT_EQ(FontCatalogue::MatchFamily("garamond"), "EB Garamond") << "names ignore case";
    // Installed families still find themselves.
    EXPECT_EQ(FontCatalogue::MatchFamily("DejaVu Serif"), "DejaVu Serif");
}

TEST(FontCatalogue, UnknownNameGetsFontconfigsSubstitute) {
    const std::string family = FontCatalogue::MatchFamily("Wingdings Imaginaire");
    EXPECT_FALSE(family.empty());
    const FontCatalogue catalogue;
    const auto& families = catalogue.Families();
    EXPECT_NE(std::find(families.begin(), families.end(), family), families.end());
}

} // namespace
} // namespace scrivel::platform
