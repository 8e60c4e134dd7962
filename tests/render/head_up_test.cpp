#include "render/head_up.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(HeadUpLines, PositionsSizesAndColoursInA640By480Window) {
    const HeadUpLine score{100, 462, 14, 1.0f, 0.2f, 0.2f, "640"};
    const HeadUpLine name{100, 440, 18, 1.0f, 1.0f, 1.0f, "Bob"};
    const HeadUpLine prompt{0, 240, 14, 1.0f, 0.8f, 0.8f, "Veuillez entrer votre nom"};
    const HeadUpLine typed{100, 226, 0, 1.0f, 0.0f, 0.0f, "Bob"};
    const HeadUpLine over{130, 230, 18, 1.0f, 1.0f, 1.0f, "GAME OVER"};
    const HeadUpLine space{120, 180, 12, 1.0f, 1.0f, 1.0f, "Appuyer sur Espace"};
    const HeadUpLine again{100, 130, 0, 1.0f, 1.0f, 1.0f, "pour recommencer une partie"};
    // The name entry invites the key that works there; its accent is the Latin-1 byte E9.
    const HeadUpLine enter{120,
                           180,
                           12,
                           1.0f,
                           1.0f,
                           1.0f,
                           "Appuyer sur Entr\xE9"
                           "e"};
    const HeadUpLine keep{100, 130, 0, 1.0f, 1.0f, 1.0f, "pour valider votre nom"};
    const struct {
        ViewMode mode;
        int blink;
        std::vector<HeadUpLine> lines;
    } cases[] = {{ViewMode::Menu, 5, {score, name}},
                 {ViewMode::Game, 25, {score, name}},
                 {ViewMode::GameOver, 9, {score, name, over, space, again}},
                 {ViewMode::GameOver, 10, {score, name}},
                 {ViewMode::NameEntry, 20, {score, name, prompt, typed}},
                 {ViewMode::NameEntry, 19, {score, name}},
                 {ViewMode::NameEntry, 0, {score, name, over, enter, keep}},
                 {ViewMode::Options, 0, {score, name}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.mode)) + " " + std::to_string(c.blink));
        EXPECT_EQ(HeadUpLines(c.mode, 480, c.blink, 640, "Bob"), c.lines);
    }
}

// The skins' panels are smaller than 500 pixels: the score keeps a readable size from 300 pixels
// up and the name stays clear of it; a 500-pixel panel keeps the original places.
TEST(HeadUpLines, ScoreAndNameStayApartInSmallerPanels) {
    const struct {
        int height, scoreY, scoreSize, nameY;
    } cases[] = {{500, 482, 24, 459}, {440, 422, 14, 402}, {336, 318, 14, 298}, {250, 232, 8, 212}};
    for (const auto& c : cases) {
        const std::vector<HeadUpLine> lines = HeadUpLines(ViewMode::Game, c.height, 25, 7, "Bob");
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].Y, c.scoreY) << c.height;
        EXPECT_EQ(lines[0].FontSize, c.scoreSize) << c.height;
        EXPECT_EQ(lines[1].Y, c.nameY) << c.height;
    }
}

} // namespace
} // namespace scrivel
