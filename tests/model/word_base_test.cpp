#include "model/word_base.h"
#include "platform/file_system.h"
#include "platform/string_list.h"
#include "platform/word_compare.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace scrivel {
namespace {

using Words = std::vector<std::string>;
using Lists = std::array<Words, TBase::ListCount>;

Lists ListsOf(TBase& base) {
    Lists lists;
    for (int i = 0; i < TBase::ListCount; ++i) {
        platform::StringList copy;
        base.CopyList(i, copy);
        lists[static_cast<size_t>(i)] = copy.Items();
    }
    return lists;
}

Lists Load(const std::string& bytes) {
    const test::TempDir folder;
    const platform::WordCompare compare;
    TBase base(folder.Write("words.let", bytes), compare);
    return ListsOf(base);
}

// Runs make with DISPLAY unset, so that a message box goes to stderr only instead of waiting for a
// click, and returns what was written there.
template <typename Make> std::string MessagesWhile(Make make) {
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display != nullptr ? display : "";
    unsetenv("DISPLAY");
    testing::internal::CaptureStderr();
    make();
    if (display != nullptr) {
        setenv("DISPLAY", saved.c_str(), 1);
    }
    return testing::internal::GetCapturedStderr();
}

TEST(TBase, SplitsTheFileIntoListsByLength) {
    Lists lists = Load("chat/chien/ai/");
    EXPECT_EQ(lists[1], Words{"chat"});
    EXPECT_EQ(lists[2], Words{"chien"});
    EXPECT_TRUE(lists[0].empty()) << "ai is too short";

    // Nothing after the last terminator is a word; two in a row make an empty one, skipped.
    lists = Load("chat//chien");
    EXPECT_EQ(lists[1], Words{"chat"});
    EXPECT_TRUE(lists[2].empty());

    // Every byte but '/' belongs to the word, a line break included.
    EXPECT_EQ(Load("chat/\r\nchien/")[4], Words{"\r\nchien"});

    lists = Load("abcdefghi/abcdefghijkl/abcdefghij/abcdefghijk/");
    EXPECT_EQ(lists[6], Words{"abcdefghi"});
    EXPECT_EQ(lists[7], (Words{"abcdefghij", "abcdefghijk", "abcdefghijkl"}));

    EXPECT_EQ(Load("zebu/abri/chat/")[1], (Words{"abri", "chat", "zebu"}));
}

TEST(TBase, KeepsTheFirstOfWordsThatCompareEqual) {
    EXPECT_EQ(Load("chat/Chat/")[1], Words{"chat"});
    EXPECT_EQ(Load("CHAT/chat/Chat/")[1], Words{"CHAT"});
    EXPECT_EQ(Load("p\xE2te/pate/PATE/")[1], (Words{"pate", "p\xE2te"}));
    // Bytes the collator ignores do not make a word new.
    EXPECT_EQ(Load(std::string("abc/a\1bc/ab") + '\0' + "c/")[0], Words{"abc"});
}

TEST(TBase, AddWordKeepsEachListSortedAndUnique) {
    const test::TempDir folder;
    const platform::WordCompare compare;
    // The ten-letter list still waits in file order when the first word arrives.
    TBase base(folder.Write("words.let", "chat/zzzzzzzzzz/aaaaaaaaaa/abcdefghi/"), compare);
    EXPECT_TRUE(base.AddWord("mmmmmmmmmm"));
    EXPECT_FALSE(base.AddWord("AAAAAAAAAA"));
    EXPECT_TRUE(base.AddWord("zebu"));
    EXPECT_TRUE(base.AddWord("abri"));
    EXPECT_FALSE(base.AddWord("CHAT"));
    EXPECT_FALSE(base.AddWord("ai"));
    // A slash inside an added word is only one of its bytes.
    EXPECT_TRUE(base.AddWord("xyz/abcdefghj/"));
    EXPECT_EQ(base.WordCount(1), 3);

    Lists lists = ListsOf(base);
    EXPECT_EQ(lists[1], (Words{"abri", "chat", "zebu"}));
    EXPECT_EQ(lists[6], Words{"abcdefghi"});
    EXPECT_EQ(lists[7], (Words{"aaaaaaaaaa", "mmmmmmmmmm", "xyz/abcdefghj/", "zzzzzzzzzz"}));
    platform::StringList target;
    EXPECT_THROW(base.CopyList(8, target), std::out_of_range);
    EXPECT_THROW(base.WordCount(-1), std::out_of_range);
}

TEST(TBase, MissingOrUnreadableFilesLeaveAnEmptyBase) {
    const test::TempDir folder;
    const platform::WordCompare compare;
    const std::string missing = folder.File("words.let");
    EXPECT_EQ(MessagesWhile([&] { EXPECT_EQ(TBase(missing, compare).WordCount(1), 0); }), "");
    EXPECT_TRUE(platform::FileExists(missing)) << "created empty";
    EXPECT_EQ(folder.Read("words.let"), "");

    const std::string uncreatable = folder.File("no/words.let");
    EXPECT_NE(MessagesWhile([&] {
                  EXPECT_EQ(TBase(uncreatable, compare).WordCount(1), 0);
              }).find("Impossible de créer le fichier : \n" + uncreatable),
              std::string::npos);

    // A folder where the file should be: it is there, yet cannot be read.
    const std::string unreadable = folder.File("folder.let");
    std::filesystem::create_directory(unreadable);
    EXPECT_NE(MessagesWhile([&] {
                  TBase base(unreadable, compare);
                  EXPECT_EQ(base.WordCount(1), 0);
                  EXPECT_TRUE(base.AddWord("chat"));
              }).find(unreadable),
              std::string::npos);
}

TEST(TBase, LoadsTheGeneratedWordBaseInOrder) {
    const platform::WordCompare compare;
    TBase base(std::string(SCRIVEL_GAME_DIR) + "words.let", compare);
    const Lists lists = ListsOf(base);
    size_t playing = 0;
    for (size_t i = 0; i < lists.size(); ++i) {
        ASSERT_FALSE(lists[i].empty()) << "words.let is generated by the build";
        for (size_t j = 1; j < lists[i].size(); ++j) {
            ASSERT_LT(compare.SortKey(lists[i][j - 1]), compare.SortKey(lists[i][j]))
                << lists[i][j - 1] << " " << lists[i][j];
        }
        playing += i < 6 ? lists[i].size() : 0;
    }
    EXPECT_GT(playing, 90000u);
}

} // namespace
} // namespace scrivel
