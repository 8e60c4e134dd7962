// clang-format off
#include "model/letter_flight.h"
#include "render/grid.h"
#include "skin/custom_button.h"
#include "skin/skin_mg.h"
#include "shell_x11/scrivel_form_fixture.h"
// clang-format on

#include <array>
#include <filesystem>

namespace scrivel {
namespace {

using test::TScrivelFormTest;

struct Box {
    int left, top, width, height;
    bool operator==(const Box&) const = default;
};

Box BoxOf(const platform::Window& window) {
    return {window.Left(), window.Top(), window.Width(), window.Height()};
}

// The form without skins, as a player meets it: framed, 600 x 700, its nine buttons placed where
// the fallback layout puts them, none showing a skin's bitmap.
void ExpectPlainForm(TScrivelForm& form) {
    EXPECT_FALSE(form.Skinned());
    EXPECT_TRUE(form.Framed());
    EXPECT_EQ(std::pair(form.Width(), form.Height()), std::pair(600, 700));
    const TGLWindow& game = *form.GLWindow();
    EXPECT_EQ(BoxOf(game), (Box{40, 70, 520, 440}));
    const std::array<std::pair<TCustomButton*, Box>, 9> expected = {{
        {&form.CloseButton(), {560, 20, 25, 25}},
        {&form.ReduceButton(), {528, 20, 25, 25}},
        {&form.F1Button(), {40, 540, 64, 28}},
        {&form.F2Button(), {120, 540, 64, 28}},
        {&form.F3Button(), {200, 540, 64, 28}},
        {&form.UpButton(), {460, 526, 40, 28}},
        {&form.LeftButton(), {414, 558, 40, 28}},
        {&form.RightButton(), {506, 558, 40, 28}},
        {&form.DownButton(), {460, 558, 40, 28}},
    }};
    for (const auto& [button, box] : expected) {
        SCOPED_TRACE(button->UpCaption());
        // The icons shrink to their 23-pixel glyph when first painted.
        Box shown = BoxOf(*button);
        if (button->ImageList() != nullptr) {
            shown.width = shown.height = 25;
        }
        EXPECT_EQ(shown, box);
        EXPECT_TRUE(button->ImageList() != nullptr || button->Picture() == nullptr);
    }
    EXPECT_EQ(form.TitleLabel().Left, 40);
    EXPECT_EQ(form.TitleLabel().Font.name, "Lucida Console");
    // The outline is the rounded rectangle of the whole designed size, not a skin's mask.
    ASSERT_NE(form.WindowShape(), nullptr);
    EXPECT_FALSE(form.RegionMg()->MaskMode());
    EXPECT_TRUE(form.WindowShape()->Contains(300, 698) && form.WindowShape()->Contains(598, 350));
}

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

// The skin and the place of the last run come back, the place brought onto a screen that has
// since shrunk; the keyboard's F3 cycles the skins as the button does; a file from before they
// were kept starts on skin 4, centred.
TEST_F(TScrivelFormTest, TheSkinAndPlaceOfTheLastRunComeBackOnScreen) {
    dir_.Write("options.ini", "[GridSize]\r\nSize=4\r\n[Window]\r\nSkin=2\r\nLeft=5000\r\n"
                              "Top=-40\r\n");
    Start(true);
    EXPECT_EQ(Form().SkinIndex(), 2);
    ASSERT_EQ(Form().Width(), 560);
    EXPECT_EQ(OnScreen(), std::make_pair(App().ScreenWidth() - 560, 0));
    PressKey(XK_F3);
    ASSERT_TRUE(PumpUntil([&] { return MapState(Form().Handle()) == IsViewable; }));
    form_.reset();
    const std::string saved = dir_.Read("options.ini");
    EXPECT_NE(saved.find("[Window]\r\nSkin=3\r\nLeft=0\r\nTop=0\r\n"), std::string::npos) << saved;

    dir_.Write("options.ini", "[GridSize]\r\nSize=4\r\n");
    Start(true);
    EXPECT_EQ(Form().SkinIndex(), 4);
    EXPECT_EQ(OnScreen(),
              std::make_pair((App().ScreenWidth() - 600) / 2, (App().ScreenHeight() - 700) / 2));
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

// Without skins the plain buttons keep their colour when clicked (a click flips Down, whose colour
// was black), and the arrows are placed and steer the letter.
TEST_F(TScrivelFormTest, WithoutSkinsEveryButtonIsPlacedReadableAndWorks) {
    Start(false);
    ExpectPlainForm(Form());
    TView& view = *Form().GLWindow()->View();
    TCustomButton& f1 = Form().F1Button();
    Click(f1, 4, 4);
    EXPECT_EQ(view.Mode(), ViewMode::Game);
    EXPECT_TRUE(f1.Down());
    EXPECT_EQ(WindowPixel(f1, 4, 4), f1.Hot() ? 0xC0E0F0u : 0xC0C0C0u);
    EXPECT_EQ(f1.DownColor(), f1.UpColor());

    const auto column = [&] {
        const LetterFlight& flight = view.Flight();
        return flight.Falling() != nullptr ? flight.Falling()->Column() : flight.Flying()->Column();
    };
    // Each arrow click moves the letter one column, unless it lands meanwhile.
    const int size = view.Grid()->Size();
    for (TCustomButton* arrow : {&Form().LeftButton(), &Form().RightButton()}) {
        SCOPED_TRACE(arrow->UpCaption());
        const int arrivals = view.Flight().Arrivals();
        const int before = column();
        const int expected =
            std::clamp(before + (arrow == &Form().LeftButton() ? -1 : 1), 0, size - 1);
        Click(*arrow, 20, 14);
        PumpUntil([&] { return column() == expected || view.Flight().Arrivals() != arrivals; });
        if (view.Flight().Arrivals() == arrivals) {
            EXPECT_EQ(column(), expected);
        }
    }
}

// After a skin has loaded, F3 onto one whose mask cannot be read leaves none of either skin's
// layout: the framed form of the designed size with its buttons working; the next good skin
// takes over again.
TEST_F(TScrivelFormTest, AFailingSkinAfterAGoodOneGivesTheWholeFormWithoutSkins) {
    std::filesystem::copy(std::string(SCRIVEL_GAME_DIR) + "Skins", "Skins");
    dir_.Write("Skins/region2mask.bmp", "BM not a bitmap");
    Start(true, true);
    Click(Form().F3Button(), 15, 15);
    ASSERT_TRUE(PumpUntil([&] { return MapState(Form().Handle()) == IsViewable; }));
    ASSERT_TRUE(Form().Skinned());
    ASSERT_EQ(Form().Width(), 640); // skin 1's size, not the designed one
    PressKey(XK_F3);
    ASSERT_TRUE(PumpUntil([&] { return MapState(Form().Handle()) == IsViewable; }));
    Settle();
    EXPECT_EQ(Form().SkinIndex(), 2);
    ExpectPlainForm(Form());

    Click(Form().F1Button(), 4, 4);
    EXPECT_EQ(Form().GLWindow()->View()->Mode(), ViewMode::Game);
    Click(Form().F3Button(), 4, 4);
    ASSERT_TRUE(PumpUntil([&] { return MapState(Form().Handle()) == IsViewable; }));
    EXPECT_EQ(Form().SkinIndex(), 3);
    EXPECT_TRUE(Form().Skinned());
    EXPECT_FALSE(Form().Framed());
    EXPECT_NE(Form().F1Button().Picture(), nullptr);
    EXPECT_EQ(Form().UpButton().UpCaption(), "");
}

} // namespace
} // namespace scrivel
