// clang-format off
#include "render/view.h"
#include "shell/gl_panel.h"
#include "shell/gl_window.h"
#include "shell/scrivel_form.h"
#include "skin/custom_button.h"
#include "skin/region_mg.h"
#include "skin/skin_mg.h"
#include "support/temp_dir.h"
#include "platform_x11/x11_fixture.h"
// clang-format on

#include <filesystem>
#include <unistd.h>

namespace scrivel {
namespace {

// The game in a folder of its own, started from there as the run script does; withSkins puts the
// generated skins beside it.
class TScrivelFormTest : public test::X11Test {
protected:
    static void SetUpTestSuite() {
        int argc = 1;
        char name[] = "shell_x11_tests";
        char* argv[] = {name, nullptr};
        TGLPanel::InitGlut(argc, argv);
    }
    void SetUp() override {
        X11Test::SetUp();
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
    }
    void Start(bool withSkins, bool ownSkins = false) {
        for (const char* item : {"Graphics", "words.let", "Skins"}) {
            if ((withSkins && !ownSkins) || std::string(item) != "Skins") {
                ASSERT_EQ(symlink((std::string(SCRIVEL_GAME_DIR) + item).c_str(),
                                  dir_.File(item).c_str()),
                          0);
            }
        }
        form_ = std::make_unique<TScrivelForm>(App(), platform::GameFolders::Beside(dir_.Path()));
        ShowAndSettle(*form_);
    }
    void TearDown() override {
        form_.reset();
        std::filesystem::current_path(previous_);
        X11Test::TearDown();
    }
    TScrivelForm& Form() { return *form_; }
    std::pair<int, int> OnScreen() { return ScreenPosition(Form(), 0, 0); }
    // The skin's outline as the server holds it matches the traced mask.
    void ExpectShapeOfMask() {
        ASSERT_NE(Form().RegionMg(), nullptr);
        EXPECT_EQ(ServerShape(Form()), test::PixelsOf(Form().RegionMg()->WindowRegion()));
    }

    test::TempDir dir_;
    std::filesystem::path previous_;
    std::unique_ptr<TScrivelForm> form_;
};

TEST_F(TScrivelFormTest, StartsCentredOnSkinFourWithTheGameInItsPanel) {
    Start(true);
    EXPECT_EQ(Form().Left(), (App().ScreenWidth() - 600) / 2);
    EXPECT_EQ(Form().Top(), (App().ScreenHeight() - 700) / 2);
    EXPECT_EQ(Form().SkinIndex(), 4);
    ASSERT_TRUE(Form().Skinned());
    EXPECT_FALSE(Form().Framed());
    EXPECT_EQ(Form().Width(), Form().RegionBitmap()->Width());
    ExpectShapeOfMask();
    const TSkinInfos& infos = Form().SkinMg()->Infos();
    const TGLWindow& game = *Form().GLWindow();
    EXPECT_EQ((std::vector{game.Left(), game.Top(), game.Width(), game.Height()}),
              (std::vector{infos.PanelLeft, infos.PanelTop, infos.PanelWidth, infos.PanelHeight}));
    EXPECT_EQ(game.CornerWidth(), 233);
    EXPECT_EQ(Form().TitleLabel().Font.name, infos.Font.name);
    EXPECT_EQ(Form().CloseButton().Width(), 23); // the glyph's size, at its first paint
    EXPECT_EQ(Form().CloseButton().Hint(), "Fermer");
    EXPECT_EQ(Form().ReduceButton().Hint(), "Réduire");

    // The keyboard's F3 goes to the game only; the skin stays.
    PressKey(XK_F3);
    EXPECT_EQ(Form().SkinIndex(), 4);
}

TEST_F(TScrivelFormTest, TheF3ButtonCyclesTheSkinsToTheScreensCornerAndF1Plays) {
    Start(true);
    for (const int expected : {1, 2, 3, 4}) {
        SCOPED_TRACE(expected);
        Click(Form().F3Button(), Form().F3Button().Width() / 2, Form().F3Button().Height() / 2);
        ASSERT_TRUE(PumpUntil([&] { return MapState(Form().Handle()) == IsViewable; }));
        Settle();
        EXPECT_EQ(Form().SkinIndex(), expected);
        EXPECT_EQ(OnScreen(), std::make_pair(0, 0));
        ExpectShapeOfMask();
        EXPECT_EQ(Form().GLWindow()->CornerWidth(), expected == 4 ? 233 : 50);
        EXPECT_EQ(Form().GLWindow()->Width(), Form().SkinMg()->Infos().PanelWidth);
    }
    Click(Form().F1Button(), 10, 10);
    EXPECT_EQ(Form().GLWindow()->View()->Mode, ViewMode::Game);
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

TEST_F(TScrivelFormTest, APanelOutsideTheFormIsBroughtInAndACorruptButtonIsLeftAlone) {
    std::filesystem::create_directory("Skins");
    for (const char* file : {"region4.jpg", "region4mask.bmp", "walnut_f2.bmp"}) {
        std::filesystem::copy_file(std::string(SCRIVEL_GAME_DIR) + "Skins/" + file,
                                   std::string("Skins/") + file);
    }
    dir_.Write("Skins/bad.bmp", "BM not a bitmap");
    dir_.Write("Skins/skin.ini", "[Skin4]\r\nPanelLeft=-80\r\nPanelTop=100\r\nPanelWidth=9000\r\n"
                                 "PanelHeight=300\r\nF1Name=bad.bmp\r\nF2Name=walnut_f2.bmp\r\n");
    Start(true, true);
    ASSERT_TRUE(Form().Skinned());
    const TGLWindow& game = *Form().GLWindow();
    EXPECT_EQ((std::vector{game.Left(), game.Top(), game.Width(), game.Height()}),
              (std::vector{0, 100, Form().Width(), 300}));
    EXPECT_EQ(Form().F1Button().Picture(), nullptr);
    EXPECT_NE(Form().F2Button().Picture(), nullptr);
}

TEST_F(TScrivelFormTest, WithoutSkinsTheFramedFormStillPlays) {
    Start(false);
    EXPECT_FALSE(Form().Skinned());
    EXPECT_TRUE(Form().Framed());
    EXPECT_FALSE(Form().RegionMg()->MaskMode()); // a rounded outline
    const TGLWindow& game = *Form().GLWindow();
    EXPECT_EQ(game.Width(), TScrivelForm::FallbackPanel[2]);
    EXPECT_EQ(game.Height(), TScrivelForm::FallbackPanel[3]);
    Click(Form().F1Button(), 10, 10);
    EXPECT_EQ(Form().GLWindow()->View()->Mode, ViewMode::Game);
}

} // namespace
} // namespace scrivel
