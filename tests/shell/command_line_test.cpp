#include "shell/command_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace scrivel {
namespace {

// Runs Take on a copy of words (argv[0] first) and returns what it left for GLUT.
std::vector<std::string> Remaining(std::vector<std::string> words, CommandLine& line) {
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    int argc = static_cast<int>(words.size());
    line = CommandLine::Take(argc, argv.data());
    EXPECT_EQ(argv[static_cast<std::size_t>(argc)], nullptr);
    return {argv.begin(), argv.begin() + argc};
}

TEST(CommandLine, TakesTheLanguageAndLeavesTheToolkitsOptions) {
    CommandLine line;
    EXPECT_EQ(Remaining({"scrivel", "-display", ":1", "--lang", "en", "-gldebug"}, line),
              (std::vector<std::string>{"scrivel", "-display", ":1", "-gldebug"}));
    EXPECT_EQ(line.language, texts::Language::English);
    EXPECT_FALSE(line.wrong);

    EXPECT_EQ(Remaining({"scrivel", "--lang=fr"}, line), std::vector<std::string>{"scrivel"});
    EXPECT_EQ(line.language, texts::Language::French);
    EXPECT_EQ(Remaining({"scrivel"}, line), std::vector<std::string>{"scrivel"});
    EXPECT_FALSE(line.language);
    EXPECT_FALSE(line.help || line.wrong);

    EXPECT_EQ(Remaining({"scrivel", "-h"}, line), std::vector<std::string>{"scrivel"});
    EXPECT_TRUE(line.help);
}

TEST(CommandLine, AnUnknownOrMissingLanguageIsWrong) {
    CommandLine line;
    Remaining({"scrivel", "--lang", "de"}, line);
    EXPECT_TRUE(line.wrong);
    // The value is taken even when wrong: it must not reach GLUT as an option of its own.
    EXPECT_EQ(Remaining({"scrivel", "--lang", "-iconic"}, line),
              std::vector<std::string>{"scrivel"});
    EXPECT_TRUE(line.wrong);
    Remaining({"scrivel", "--lang"}, line);
    EXPECT_TRUE(line.wrong);
    // A good value after a wrong one does not make the line right.
    Remaining({"scrivel", "--lang=xx", "--lang", "en"}, line);
    EXPECT_TRUE(line.wrong);
}

} // namespace
} // namespace scrivel
