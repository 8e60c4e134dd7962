#include "texts/language.h"

#include <gtest/gtest.h>

namespace scrivel::texts {
namespace {

TEST(LanguageOf, ReadsTheVariablesInGettextsOrder) {
    using L = Language;
    EXPECT_EQ(LanguageOf({}), L::French);
    EXPECT_EQ(LanguageOf({{}, {}, {}, "en_US.UTF-8"}), L::English);
    EXPECT_EQ(LanguageOf({{}, {}, {}, "en"}), L::English);
    EXPECT_EQ(LanguageOf({{}, {}, {}, "fr_FR.UTF-8"}), L::French);
    // "eo" (Esperanto) and "enx" are not English; "en@shaw" is.
    EXPECT_EQ(LanguageOf({{}, {}, {}, "eo"}), L::French);
    EXPECT_EQ(LanguageOf({{}, {}, {}, "enx_XX"}), L::French);
    EXPECT_EQ(LanguageOf({{}, {}, {}, "en@shaw"}), L::English);
    // LC_ALL before LC_MESSAGES before LANG; an empty variable counts as unset.
    EXPECT_EQ(LanguageOf({{}, "fr_FR.UTF-8", "en_GB.UTF-8", "en_US.UTF-8"}), L::French);
    EXPECT_EQ(LanguageOf({{}, "", "en_GB.UTF-8", "fr_FR.UTF-8"}), L::English);
    EXPECT_EQ(LanguageOf({{}, {}, "", "en_US.UTF-8"}), L::English);
    // LANGUAGE first, only its first entry counts...
    EXPECT_EQ(LanguageOf({"en_GB:fr", {}, {}, "fr_FR.UTF-8"}), L::English);
    EXPECT_EQ(LanguageOf({"de:en", {}, {}, "en_US.UTF-8"}), L::French);
    EXPECT_EQ(LanguageOf({"", {}, {}, "en_US.UTF-8"}), L::English);
    // ...but not under the C locale, where gettext ignores it; C.UTF-8 is not that locale.
    EXPECT_EQ(LanguageOf({"en", "C", {}, {}}), L::French);
    EXPECT_EQ(LanguageOf({"en", {}, {}, {}}), L::French);
    EXPECT_EQ(LanguageOf({"en", {}, {}, "POSIX"}), L::French);
    EXPECT_EQ(LanguageOf({"en", {}, {}, "C.UTF-8"}), L::English);
}

TEST(Language, NamesCodesAndFileNames) {
    EXPECT_EQ(LanguageNamed("en"), Language::English);
    EXPECT_EQ(LanguageNamed("fr"), Language::French);
    EXPECT_EQ(LanguageNamed("EN"), std::nullopt);
    EXPECT_EQ(LanguageNamed("en_US"), std::nullopt);
    EXPECT_STREQ(Code(Language::English), "en");
    EXPECT_STREQ(Code(Language::French), "fr");
    EXPECT_EQ(LanguageFileName("score.ini", Language::French), "score.ini");
    EXPECT_EQ(LanguageFileName("score.ini", Language::English), "score-en.ini");
    EXPECT_EQ(LanguageFileName("words", Language::English), "words-en");
}

} // namespace
} // namespace scrivel::texts
