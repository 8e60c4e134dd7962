#include "platform/string_list.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace scrivel::platform {
namespace {

using Lines = std::vector<std::string>;

// Orders by the first byte only, so strings that differ later count as equal.
int FirstByte(const std::string& a, const std::string& b) {
    return (a.empty() ? 0 : a[0]) - (b.empty() ? 0 : b[0]);
}

TEST(StringList, EditsRejectBadIndexesAndSortIsStable) {
    StringList list;
    list.Items() = {"b", "d"};
    list.Insert(0, "a");
    list.Insert(3, "e");
    list.Delete(1);
    EXPECT_EQ(list.Items(), (Lines{"a", "d", "e"}));
    EXPECT_EQ(list.IndexOf("dx", FirstByte), 1);
    EXPECT_EQ(list.IndexOf("z", FirstByte), -1);
    EXPECT_THROW(list.Insert(4, "x"), std::out_of_range);
    EXPECT_THROW(list.Delete(-1), std::out_of_range);
    list.Items() = {"b1", "a1", "b2", "a2"};
    list.Sort(FirstByte); // stable
    EXPECT_EQ(list.Items(), (Lines{"a1", "a2", "b1", "b2"}));
}

TEST(StringList, FindGivesFirstOfEqualStringsOrTheInsertionPoint) {
    // A run of equal strings (maybe empty) at every place in lists of 0 to 5.
    for (int size = 0; size < 6; ++size) {
        for (int first = 0; first <= size; ++first) {
            for (int end = first; end <= size; ++end) {
                StringList list;
                for (int i = 0; i < size; ++i) {
                    list.Add(i < first ? "a" : i < end ? "m" + std::to_string(i) : "z");
                }
                int index = -1;
                EXPECT_EQ(list.Find("m", FirstByte, index), end > first);
                EXPECT_EQ(index, first) << size << " " << first << " " << end;
            }
        }
    }
}

TEST(StringList, LoadsEveryLineEndingAndSavesCrLf) {
    test::TempDir dir;
    StringList list;
    ASSERT_TRUE(list.LoadFromFile(dir.Write("mixed", "\xE9t\xE9\r\nb\nc\rd\r\n\r\n\n\re")));
    EXPECT_EQ(list.Items(), (Lines{"\xE9t\xE9", "b", "c", "d", "", "", "", "e"}));
    EXPECT_FALSE(list.LoadFromFile(dir.File("missing")));
    EXPECT_EQ(list.Count(), 0);
    list.Items() = {"Bob=640", "", "Ann=90"};
    ASSERT_TRUE(list.SaveToFile(dir.File("score.ini")));
    EXPECT_EQ(dir.Read("score.ini"), "Bob=640\r\n\r\nAnn=90\r\n");
}

} // namespace
} // namespace scrivel::platform
