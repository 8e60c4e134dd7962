#include "model/cube_text.h"

#include <gtest/gtest.h>

namespace scrivel {
namespace {

TEST(CubeText, PlainKeepsWhatCubesDrawAndSpellsAccentsAsTheirLetters) {
    EXPECT_EQ(CubeText::Plain("Affichage du décor"), "Affichage du decor");
    EXPECT_EQ(CubeText::Plain("8x8"), "8x8");
    EXPECT_EQ(CubeText::Plain("ÀÇÈÉÊËÎÏÔÙÛÜŸ àâçèéêëîïôùûüÿ"), "ACEEEEIIOUUUY aaceeeeiiouuuy");
    EXPECT_EQ(CubeText::Plain("Œuvre cœur Æ straße"), "OEuvre coeur AE strasse");
    // Signs would come out as the 0 cube: a gap reads better.
    EXPECT_EQ(CubeText::Plain("DejaVu Serif,Book-Italic 12."), "DejaVu Serif Book Italic 12 ");
    EXPECT_EQ(CubeText::Plain("a×b☺\xFF"), "a b  ");
}

TEST(CubeText, FitCutsALongTextToItsCellsEndingWithTheMark) {
    // 21 cells: the widest pulse of the options screen's values.
    EXPECT_EQ(CubeText::Fit("Liberation Sans Narro", 21), "Liberation Sans Narro");
    EXPECT_EQ(CubeText::Fit("Liberation Sans Narrow", 21), "Liberation Sans Narr...");
    // The cut never ends on a gap before the mark.
    EXPECT_EQ(CubeText::Fit("DejaVu Serif DejaVu Serif Condensed", 21), "DejaVu Serif DejaVu...");
    EXPECT_EQ(CubeText::Fit("Arial", 1), "...");
    EXPECT_EQ(CubeText::Fit("", 0), "");
}

} // namespace
} // namespace scrivel
