#include "platform/font_catalogue.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <strings.h>

namespace scrivel::platform {
namespace {

TEST(FontCatalogue, ListsEachInstalledFamilyOnceInCaseInsensitiveOrder) {
    const FontCatalogue catalogue;
    const auto& families = catalogue.Families();
    for (const char* family : {"Liberation Sans", "Liberation Serif", "DejaVu Sans",
                               "DejaVu Sans Mono", "EB Garamond"}) {
        EXPECT_EQ(std::count(families.begin(), families.end(), family), 1) << family;
    }
    for (std::size_t i = 1; i < families.size(); ++i) {
        EXPECT_LT(strcasecmp(families[i - 1].c_str(), families[i].c_str()), 0) << families[i];
    }
    // Aliases are names to ask for, not installed families.
    EXPECT_EQ(std::count(families.begin(), families.end(), "Garamond"), 0);
    EXPECT_EQ(FontCatalogue().Families(), families) << "the same order on every reading";
}

TEST(FontCatalogue, AliasesGiveInstalledLookAlikesAndUnknownNamesASubstitute) {
    ASSERT_TRUE(FontCatalogue::RegisterAliases());
    ASSERT_TRUE(FontCatalogue::RegisterAliases()) << "registering twice is harmless";
    for (const auto& [name, family] : std::initializer_list<std::pair<const char*, const char*>>{
             {"Arial", "Liberation Sans"},
             {"Times New Roman", "Liberation Serif"},
             {"garamond", "EB Garamond"},
             {"Verdana", "DejaVu Sans"},
             {"Lucida Console", "DejaVu Sans Mono"},
             {"DejaVu Serif", "DejaVu Serif"}}) {
        EXPECT_EQ(FontCatalogue::MatchFamily(name), family) << name;
    }
    const std::string substitute = FontCatalogue::MatchFamily("Wingdings Imaginaire");
    const FontCatalogue catalogue;
    EXPECT_EQ(std::count(catalogue.Families().begin(), catalogue.Families().end(), substitute), 1);
}

} // namespace
} // namespace scrivel::platform
