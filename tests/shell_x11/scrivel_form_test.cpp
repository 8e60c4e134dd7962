// clang-format off
#include "skin/custom_button.h"
#include "skin/skin_mg.h"
#include "shell_x11/scrivel_form_fixture.h"
// clang-format on

#include <filesystem>

namespace scrivel {
namespace {

using test::TScrivelFormTest;

// Its place, size and shape on the screen are the end-to-end skin test's checks.
TEST_F(TScrivelFormTest, StartsOnSkinFourWithTheGameInItsPanel) {
    Start(true);
    EXPECT_EQ(Form().SkinIndex(), 4);
    ASSERT_TRUE(Form().Skinned());
    const TSkinInfos& infos = Form().SkinMg()->Infos();
    const TGLWindow& game = *Form().GLWindow();
    EXPECT_EQ((std::vector{game.Left(), game.Top(), game.Width(), game.Height()}),
              (std::vector{infos.PanelLeft, infos.PanelTop, infos.PanelWidth, infos.PanelHeight}));
    EXPECT_EQ(Form().TitleLabel().Font.name, infos.Font.name);

    // The keyboard's F3 goes to the game only; the skin stays.
    PressKey(XK_F3);
    EXPECT_EQ(Form().SkinIndex(), 4);
}

// The cycle's place at the corner, its shapes and the F1 button are the end-to-end skin test's.
TEST_F(TScrivelFormTest, TheF3ButtonCyclesTheSkinsAndTheGameTakesEachPanel) {
    Start(true);
    for (const int expected : {1, 2, 3, 4}) {
        SCOPED_TRACE(expected);
        Click(Form().F3Button(), Form().F3Button().Width() / 2, Form().F3Button().Height() / 2);
        ASSERT_TRUE(PumpUntil([&] { return MapState(Form().Handle()) == IsViewable; }));
        EXPECT_EQ(Form().SkinIndex(), expected);
        EXPECT_EQ(Form().GLWindow()->Width(), Form().SkinMg()->Infos().PanelWidth);
    }
}

TEST_F(TScrivelFormTest, ARightButtonDragMovesTheFormAndItStays) {
    Start(true);
    const auto [left, top] = OnScreen();
    MovePointerTo(Form(), 20, 300); // the walnut beside the panel
    XTestFakeButtonEvent(XDisplay(), 3, True, CurrentTime);
    Settle();
    EXPECT_TRUE(Form().Dragging());
    MovePointer(left + 20 - 50, top + 300 + 30);
    MovePointer(left + 20 - 100, top + 300 + 60);
    XTestFakeButtonEvent(XDisplay(), 3, False, CurrentTime);
    Settle();
    EXPECT_FALSE(Form().Dragging());
    EXPECT_EQ(OnScreen(), std::make_pair(left - 100, top + 60));
    EXPECT_EQ(std::make_pair(Form().Left(), Form().Top()), OnScreen());
}

// The panel skin.ini gives is brought inside the form; a skin.ini that is missing, damaged or
// without the skin's panel refuses the skin, which would otherwise shrink the game to a dot.
TEST_F(TScrivelFormTest, SkinIniPanelIsBroughtInOrTheSkinRefusedAndACorruptButtonIsLeftAlone) {
    std::filesystem::create_directory("Skins");
    for (const char* file : {"region4.jpg", "region4mask.bmp", "walnut_f2.bmp"}) {
        std::filesystem::copy_file(std::string(SCRIVEL_GAME_DIR) + "Skins/" + file,
                                   std::string("Skins/") + file);
    }
    dir_.Write("Skins/bad.bmp", "BM not a bitmap");
    const int* fallback = TScrivelForm::FallbackPanel;
    const struct {
        const char* rule;
        std::string ini; // "-": no file
        bool skinned;
    } cases[] = {
        {"brought in",
         "[Skin4]\r\nPanelLeft=-80\r\nPanelTop=100\r\nPanelWidth=9000\r\nPanelHeight=300\r\n"
         "F1Name=bad.bmp\r\nF2Name=walnut_f2.bmp\r\n",
         true},
        {"missing", "-", false},
        {"garbage", std::string("\xFF\xFE\0[Skin4\r\nPanelWidth=300\r\n", 27), false},
        {"another skin's section", "[Skin1]\r\nPanelWidth=300\r\nPanelHeight=300\r\n", false},
        {"no width", "[Skin4]\r\nPanelWidth=abc\r\nPanelHeight=300\r\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        form_.reset();
        std::filesystem::remove("Skins/skin.ini");
        if (c.ini != "-") {
            dir_.Write("Skins/skin.ini", c.ini);
        }
        Start(true, true);
        const TGLWindow& game = *Form().GLWindow();
        const std::vector<int> bounds{game.Left(), game.Top(), game.Width(), game.Height()};
        ASSERT_EQ(Form().Skinned(), c.skinned);
        if (!c.skinned) {
            EXPECT_TRUE(Form().Framed());
            EXPECT_EQ(bounds, std::vector(fallback, fallback + 4));
            continue;
        }
        EXPECT_EQ(bounds, (std::vector{0, 100, Form().Width(), 300}));
        EXPECT_EQ(Form().F1Button().Picture(), nullptr);
        EXPECT_NE(Form().F2Button().Picture(), nullptr);
    }
}

} // namespace
} // namespace scrivel
