#include "platform/message_catalogue.h"
#include "texts/texts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace scrivel::texts {
namespace {

// The built English catalogue in use for one test; French again after it, as every other test of
// this program expects.
class EnglishTexts : public ::testing::Test {
protected:
    void SetUp() override {
        platform::UseCatalogue(Domain, Language::English, SCRIVEL_GAME_DIR "locale/");
    }
    void TearDown() override {
        platform::UseCatalogue(Domain, Language::French, SCRIVEL_GAME_DIR "locale/");
    }

    static int Slots(std::string_view text) {
        int slots = 0;
        for (std::size_t at = text.find("{}"); at != std::string_view::npos;
             at = text.find("{}", at + 2)) {
            ++slots;
        }
        return slots;
    }
    static std::string French(TextId id) {
        platform::UseCatalogue(Domain, Language::French, SCRIVEL_GAME_DIR "locale/");
        std::string french = Text(id);
        platform::UseCatalogue(Domain, Language::English, SCRIVEL_GAME_DIR "locale/");
        return french;
    }
    // In characters, as the screens draw them.
    static std::size_t Characters(std::string_view utf8) {
        return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }));
    }
    static std::size_t Length(TextId id) { return Characters(Text(id)); }
};

TEST_F(EnglishTexts, TheCatalogueTranslatesWhatThePlayerReads) {
    EXPECT_STREQ(Text(TextId::OptionSpeed), "Speed");
    EXPECT_STREQ(Text(TextId::ColourMulticoloured), "Multicoloured");
    EXPECT_STREQ(Text(TextId::PressEnter), "Press Enter");
    EXPECT_STREQ(Text(TextId::MinimiseHint), "Minimise");
    EXPECT_EQ(Compose(TextId::LetterCount, {"4"}), "4 letters");
    EXPECT_EQ(Compose(TextId::CannotSaveFile, {"/g/score-en.ini", "disk full"}),
              "Cannot save the file: \n/g/score-en.ini\n(disk full)");
    // The player's folders' errors come through the same catalogue.
    EXPECT_EQ(SystemReason(ENOSPC), "disk full");
}

TEST_F(EnglishTexts, EveryTextKeepsItsSlotsAndIsPlainAscii) {
    for (int i = 0; i <= static_cast<int>(TextId::WordsDuplicates); ++i) {
        const auto id = static_cast<TextId>(i);
        const std::string english = Text(id);
        const std::string french = French(id);
        SCOPED_TRACE(french);
        EXPECT_EQ(Slots(english), Slots(french));
        // The bitmap fonts and the cubes draw ASCII letters without folding them.
        EXPECT_TRUE(std::all_of(english.begin(), english.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    }
}

// What a player reads in a fixed place on the screens is no longer than its French text (a hint
// window takes the size of its text), except
// the options' titles and values, each no longer than the longest French one of its column
// ("Taille minimale du mot", "Multicolore" and the 13 letters "Multicoloured" leaves, measured
// against the 21 cubes a value row holds).
TEST_F(EnglishTexts, FitWhereTheFrenchTextsDid) {
    for (const TextId id : {TextId::EnterYourName, TextId::GameOver, TextId::PressSpace,
                            TextId::ToPlayAgain, TextId::PressEnter, TextId::ToKeepYourName,
                            TextId::MenuBanner, TextId::OptionsBanner, TextId::OptionsHeading}) {
        EXPECT_LE(Length(id), Characters(French(id))) << Text(id);
    }
    for (int i = static_cast<int>(TextId::OptionGrid); i <= static_cast<int>(TextId::OptionMarker);
         ++i) {
        EXPECT_LE(Length(static_cast<TextId>(i)), 22u) << Text(static_cast<TextId>(i));
    }
    for (int i = static_cast<int>(TextId::SpeedSlow); i <= static_cast<int>(TextId::LetterCount);
         ++i) {
        EXPECT_LE(Length(static_cast<TextId>(i)), 13u) << Text(static_cast<TextId>(i));
    }
}

} // namespace
} // namespace scrivel::texts
