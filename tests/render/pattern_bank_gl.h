#pragma once

#include "render/font_tex_mg.h"
#include "support/bitmap_files.h"
#include "support/gl_fixture.h"

namespace scrivel::test {

// A GL test with a font bank loaded from the generated pattern sheet: white letters on pattern 2.
class PatternBankGl : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        WritePatterns(dir_, "Graphics/patterns1.bmp");
        bank_.LoadPatterns();
    }

    TestFolder dir_;
    TFontTexMg bank_{"DejaVu Sans", 1, 2, 0, dir_.path};
};

} // namespace scrivel::test
