#include "platform/font_catalogue.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <strings.h>
#include <vector>

namespace scrivel::platform {
namespace {

TEST(FontCatalogue, ListsFamiliesOnceInOrderAndAliasesGiveLookAlikesOrASubstitute) {
    ASSERT_TRUE(FontCatalogue::RegisterAliases());
    const std::vector<std::string> families = FontCatalogue().Families();
    EXPECT_EQ(std::count(families.begin(), families.end(), "Garamond"), 0); // only an alias
    // The default stays on offer; symbol fonts, which have no letters, are left out.
    EXPECT_EQ(std::count(families.begin(), families.end(), "Arial"), 1);
    for (const char* symbols : {"D050000L", "Standard Symbols PS"}) {
        EXPECT_EQ(std::count(families.begin(), families.end(), symbols), 0) << symbols;
    }
    for (std::size_t i = 1; i < families.size(); ++i) {
        EXPECT_LT(strcasecmp(families[i - 1].c_str(), families[i].c_str()), 0) << families[i];
    }
    for (const auto& [name, family] : std::initializer_list<std::pair<const char*, const char*>>{
             {"Arial", "Liberation Sans"},
             {"Times New Roman", "Liberation Serif"},
             {"garamond", "EB Garamond"},
             {"Verdana", "DejaVu Sans"},
             {"Lucida Console", "DejaVu Sans Mono"}}) {
        EXPECT_EQ(FontCatalogue::MatchFamily(name), family) << name;
    }
    const std::string substitute = FontCatalogue::MatchFamily("Wingdings Imaginaire");
    EXPECT_EQ(std::count(families.begin(), families.end(), substitute), 1);
}

} // namespace
} // namespace scrivel::platform
