#include "words_arguments.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace scrivel {
namespace {

using texts::Language;

// The language comes from --lang when it leads, else from the locale; an output given is kept as
// is, and anything else is a usage error.
TEST(WordsArguments, TakesTheLanguageFromLangOrTheLocaleAndRefusesOtherUsages) {
    const struct {
        std::vector<std::string> arguments;
        Language spoken;
        std::optional<Language> language; // nothing: a usage error
        std::string list;
        std::optional<std::string> output;
    } cases[] = {
        // clang-format off
        {{"list"}, Language::French, Language::French, "list", std::nullopt},
        {{"list"}, Language::English, Language::English, "list", std::nullopt},
        {{"-", "out.let"}, Language::French, Language::French, "-", "out.let"},
        {{"--lang", "en", "list", "out.let"}, Language::French, Language::English, "list", "out.let"},
        {{"--lang", "fr", "list"}, Language::English, Language::French, "list", std::nullopt},
        {{"--lang", "de", "list"}, Language::French, std::nullopt, "", std::nullopt},
        {{"--lang"}, Language::French, std::nullopt, "", std::nullopt},
        {{"--lang", "en"}, Language::French, std::nullopt, "", std::nullopt},
        {{"list", "--lang", "en"}, Language::French, std::nullopt, "", std::nullopt},
        {{}, Language::French, std::nullopt, "", std::nullopt},
        {{"a", "b", "c"}, Language::French, std::nullopt, "", std::nullopt},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const auto parsed = WordsArguments::Parse(c.arguments, c.spoken);
        ASSERT_EQ(parsed.has_value(), c.language.has_value());
        if (parsed) {
            EXPECT_EQ(parsed->language, *c.language);
            EXPECT_EQ(parsed->list, c.list);
            EXPECT_EQ(parsed->output, c.output);
        }
    }
}

} // namespace
} // namespace scrivel
