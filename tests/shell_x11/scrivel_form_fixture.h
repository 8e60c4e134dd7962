#pragma once

// The game's headers before Xlib's, whose KeyPress macro would break them.
// clang-format off
#include "render/view.h"
#include "shell/gl_panel.h"
#include "shell/gl_window.h"
#include "shell/scrivel_form.h"
#include "skin/region_mg.h"
#include "support/temp_dir.h"
#include "platform_x11/x11_fixture.h"
// clang-format on

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace scrivel::test {

// The game in a folder of its own (the current one), started from there as the run script does;
// withSkins puts the generated skins beside it.
class TScrivelFormTest : public X11Test {
protected:
    static void SetUpTestSuite() {
        int argc = 1;
        char name[] = "shell_x11_tests";
        char* argv[] = {name, nullptr};
        TGLPanel::InitGlut(argc, argv);
    }
    void Start(bool withSkins, bool ownSkins = false) {
        for (const char* item : {"Graphics", "words.let", "Skins"}) {
            const bool wanted = (withSkins && !ownSkins) || std::string(item) != "Skins";
            if (wanted && !std::filesystem::is_symlink(dir_.File(item))) {
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
        X11Test::TearDown();
    }
    TScrivelForm& Form() { return *form_; }
    std::pair<int, int> OnScreen() { return ScreenPosition(Form(), 0, 0); }

    CurrentTempDir dir_;
    std::unique_ptr<TScrivelForm> form_;
};

} // namespace scrivel::test
