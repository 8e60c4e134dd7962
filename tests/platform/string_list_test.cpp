#include "platform/string_list.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace scrivel::platform {
namespace {

using Lines = std::vector<std::string>;

int Plain(const std::string& a, const std::string& b) {
    return a.compare(b);
}

// Orders by the first byte only, so strings that differ later count as equal.
int FirstByte(const std::string& a, const std::string& b) {
    return (a.empty() ? 0 : a[0]) - (b.empty() ? 0 : b[0]);
}

TEST(StringList, EditsRejectBadIndexes) {
    StringList list;
    list.Items() = {"b", "d"};
    list.Insert(0, "a");
    list.Insert(3, "e");
    list.Set(3, "E");
    list.Delete(1);
    EXPECT_EQ(list.Items(), (Lines{"a", "d", "E"}));
    EXPECT_EQ(list.IndexOf("dx", FirstByte), 1);
    EXPECT_EQ(list.IndexOf("z", Plain), -1);
    EXPECT_THROW(list.Insert(4, "x"), std::out_of_range);
    EXPECT_THROW(list.Insert(-1, "x"), std::out_of_range);
    EXPECT_THROW(list.Delete(3), std::out_of_range);
    EXPECT_THROW(list.Set(-1, "x"), std::out_of_range);
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringList, FindGivesFirstOfEqualStringsOrTheInsertionPoint) {
    // A run of equal strings (maybe empty) at every place in lists of 0 to 9.
    for (int size = 0; size < 10; ++size) {
        for (int first = 0; first <= size; ++first) {
            for (int end = first; end <= size; ++end) {
                StringList list;
                for (int i = 0; i < size; ++i) {
                    list.Add(i < first ? "a" : i < end ? "m" + std::to_string(i) : "z");
                }
                int index = -1;
                EXPECT_EQ(list.Find("m", FirstByte, index), end > first);
                EXPECT_EQ(index, first) << size << " " << first << " " << end;
                EXPECT_FALSE(list.Find("n", FirstByte, index));
                EXPECT_EQ(index, end);
            }
        }
    }
}

TEST(StringList, SortIsStable) {
    StringList list;
    list.Items() = {"b1", "a1", "b2", "a2", "c1", "a3", "b3"};
    list.Sort(FirstByte);
    EXPECT_EQ(list.Items(), (Lines{"a1", "a2", "a3", "b1", "b2", "b3", "c1"}));
}

TEST(StringList, LoadsEveryLineEndingAndSavesCrLf) {
    test::TempDir dir;
    StringList list;
    ASSERT_TRUE(list.LoadFromFile(dir.Write("mixed", "\xE9t\xE9\r\nb\nc\rd\r\n\r\n\n\re")));
    EXPECT_EQ(list.Items(), (Lines{"\xE9t\xE9", "b", "c", "d", "", "", "", "e"}));
    ASSERT_TRUE(list.LoadFromFile(dir.Write("cr-last", "x\r")));
    EXPECT_EQ(list.Items(), (Lines{"x"}));
    ASSERT_TRUE(list.LoadFromFile(dir.Write("blank", "\r\n")));
    EXPECT_EQ(list.Items(), (Lines{""}));
    ASSERT_TRUE(list.LoadFromFile(dir.Write("empty", "")));
    EXPECT_EQ(list.Count(), 0);
    list.Add("stale");
    EXPECT_FALSE(list.LoadFromFile(dir.File("missing")));
    EXPECT_EQ(list.Count(), 0);

    list.Items() = {"Bob=640", "", "Ann=90"};
    ASSERT_TRUE(list.SaveToFile(dir.File("score.ini")));
    EXPECT_EQ(dir.Read("score.ini"), "Bob=640\r\n\r\nAnn=90\r\n");
    EXPECT_FALSE(list.SaveToFile(dir.File("missing-folder/score.ini")));
}

} // namespace
} // namespace scrivel::platform
