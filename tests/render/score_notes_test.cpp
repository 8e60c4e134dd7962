#include "render/score_notes.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

// "CHAT +160": 10 x 4 x 4 points; a chain shows each of its words, and each goes after two
// seconds of ticks (40 ticks of 50 ms, 26 of 75 ms).
TEST(ScoreNotes, EachWordWithItsPointsForTwoSeconds) {
    ScoreNotes notes;
    notes.Add("chat", 50);
    notes.Add("mer", 50);
    EXPECT_EQ(notes.Lines(), (std::vector<std::string>{"CHAT +160", "MER +90"}));
    for (int tick = 1; tick < 40; ++tick) {
        notes.Step();
    }
    notes.Add("maisons", 75);
    EXPECT_EQ(notes.Lines().size(), 3u) << "39 ticks: still shown";
    notes.Step();
    EXPECT_EQ(notes.Lines(), std::vector<std::string>{"MAISONS +490"});
    for (int tick = 2; tick <= 25; ++tick) {
        notes.Step();
    }
    EXPECT_EQ(notes.Lines().size(), 1u);
    notes.Step();
    EXPECT_TRUE(notes.Lines().empty());
}

TEST(ScoreNotes, ALongChainKeepsItsNewestWords) {
    ScoreNotes notes;
    for (const char* word : {"axe", "ami", "rue", "sel", "mer"}) {
        notes.Add(word, 37);
    }
    EXPECT_EQ(notes.Lines(),
              (std::vector<std::string>{"AMI +90", "RUE +90", "SEL +90", "MER +90"}));
}

} // namespace
} // namespace scrivel
