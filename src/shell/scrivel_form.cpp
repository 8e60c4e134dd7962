#include "shell/scrivel_form.h"

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/key_map.h"
#include "shell/gl_window.h"
#include "shell/skin_settings.h"
#include "skin/custom_button.h"
#include "skin/image_list.h"
#include "skin/skin_mg.h"
#include "skin/skin_picture.h"
#include "texts/texts.h"

#include <algorithm>

namespace scrivel {

namespace {

platform::WindowBounds Placement(platform::Application& app) {
    return {(app.ScreenWidth() - TScrivelForm::DesignWidth) / 2,
            (app.ScreenHeight() - TScrivelForm::DesignHeight) / 2, TScrivelForm::DesignWidth,
            TScrivelForm::DesignHeight};
}

// The corner ellipse of the game's panel: large on the start skin, small on the others.
int PanelCorner(int skinIndex) {
    return skinIndex == 4 ? 233 : 50;
}

} // namespace

void TTitleLabel::Paint(platform::Canvas& canvas) const {
    canvas.SetFont(Font);
    const platform::TextSize size = canvas.TextExtent(Caption, platform::TextEncoding::Utf8);
    canvas.TextOut(Left + (Width - size.width) / 2, Top + (Height - size.height) / 2, Caption,
                   platform::TextEncoding::Utf8);
}

TScrivelForm::TScrivelForm(platform::Application& app, platform::GameFolders folders)
    : TTavrinForm(app, Placement(app), "ScrivelForm"), folders_(std::move(folders)) {
    app.SetMainWindow(this);
    SetSkinFolder(folders_.SkinFolder());
    MakeIcons();
    CreateButtons();
    SetSkinned(true);
    SetSkinIndex(4);
    ApplySkin();
    if (!Skinned()) {
        LayOutWithoutSkin();
    }
    const int* p = FallbackPanel;
    glWindow_ = std::make_unique<TGLWindow>(*this, p[0], p[1], p[2], p[3], folders_);
    PlaceGame();
}

TScrivelForm::~TScrivelForm() {
    glWindow_.reset(); // the game's files are written first
}

// Six rounded tiles: light blue, dark blue, green, red (close), orange (minimise), magenta.
void TScrivelForm::MakeIcons() {
    iconList_ = std::make_unique<TImageList>(IconSize, IconSize);
    for (const platform::Colour colour :
         {platform::Colour{128, 192, 240}, platform::Colour{16, 32, 144},
          platform::Colour{48, 160, 48}, platform::Colour{208, 32, 32},
          platform::Colour{240, 144, 24}, platform::Colour{192, 48, 192}}) {
        platform::Bitmap tile(IconSize, IconSize);
        platform::Canvas canvas(tile);
        canvas.FillRect(0, 0, IconSize, IconSize, colour);
        // A lit upper half and a shaded rim: a small raised tile.
        canvas.FillEllipse({11.5, 7}, 9, 6, platform::colours::kWhite, 0.28);
        canvas.DrawEllipse({11.5, 11.5}, 10.5, 10.5, platform::colours::kBlack, 1.5, 0.35);
        iconList_->Add(tile);
    }
}

void TScrivelForm::CreateButtons() {
    const auto make = [this](const char* caption, int key) {
        auto button =
            std::make_unique<TCustomButton>(*this, caption, caption, platform::colours::kBlack);
        button->SetOnClickEvent([this, key](TTavrinControl&) { SendKey(key); });
        return button;
    };
    closeButton_ = make("X", 0);
    closeButton_->SetHint(texts::Text(texts::TextId::CloseHint));
    closeButton_->SetOnClickEvent([this](TTavrinControl&) {
        if (glWindow_) {
            glWindow_->Quit();
        } else {
            App().Quit();
        }
    });
    reduceButton_ = make("_", 0);
    reduceButton_->SetHint(texts::Text(texts::TextId::MinimiseHint));
    reduceButton_->SetOnClickEvent([this](TTavrinControl&) { App().Minimize(); });
    f1Button_ = make("F1", platform::key::kF1);
    f2Button_ = make("F2", platform::key::kF2);
    f3Button_ = make("F3", platform::key::kF3);
    f3Button_->SetOnClickEvent([this](TTavrinControl&) {
        SendKey(platform::key::kF3);
        NextSkin();
    });
    upButton_ = make("", platform::key::kUp);
    leftButton_ = make("", platform::key::kLeft);
    rightButton_ = make("", platform::key::kRight);
    downButton_ = make("", platform::key::kDown);
}

void TScrivelForm::SendKey(int code) {
    if (glWindow_) {
        auto key = static_cast<std::uint16_t>(code);
        glWindow_->KeyDown(key, platform::ShiftState::Empty);
    }
}

bool TScrivelForm::LoadSkinInfos(TSkinInfos& infos, int index) {
    const platform::IniFile ini(folders_.Data() + "Skins/skin.ini");
    const SkinSettings s = SkinSettings::Read(ini, index);
    if (!s.HasPanel()) {
        // The game would shrink to a dot in the corner: the framed form plays instead.
        return false;
    }
    infos.PanelLeft = s.PanelLeft;
    infos.PanelTop = s.PanelTop;
    infos.PanelWidth = s.PanelWidth;
    infos.PanelHeight = s.PanelHeight;
    infos.TitleLeft = titleLabel_.Left = s.TitleLeft;
    infos.TitleTop = titleLabel_.Top = s.TitleTop;
    infos.TitleWidth = titleLabel_.Width = s.TitleWidth;
    infos.TitleHeight = titleLabel_.Height = s.TitleHeight;
    infos.Font = s.Font;
    infos.Border = s.Border;
    infos.BorderColor = s.BorderColor;

    SetupIconButton(*closeButton_, s.CloseBLeft, s.CloseBTop, CloseGlyph, CloseGlyph);
    SetupIconButton(*reduceButton_, s.ReduceBLeft, s.ReduceBTop, ReduceGlyph, ReduceGlyph);
    closeButton_->SetRoundCorners(0, 0);
    reduceButton_->SetRoundCorners(0, 0);
    TCustomButton* buttons[] = {f1Button_.get(),  f2Button_.get(),   f3Button_.get(),
                                upButton_.get(),  leftButton_.get(), rightButton_.get(),
                                downButton_.get()};
    for (int b = 0; b < SkinSettings::ButtonCount; ++b) {
        const ButtonSetting& setting = s.Buttons[static_cast<std::size_t>(b)];
        SetupBitmapButton(*buttons[b], setting.left, setting.top, setting.name);
    }
    titleLabel_.Font = infos.Font;
    Invalidate();
    return true;
}

void TScrivelForm::SetupIconButton(TCustomButton& button, int left, int top, int upGlyph,
                                   int downGlyph) {
    button.Font().colour = platform::colours::kWhite;
    button.Font().size = Skinned() ? 12 : 16;
    button.SetBounds(left, top, IconButtonSize, IconButtonSize);
    button.SetImageList(iconList_.get());
    button.SetGlyphIndex(upGlyph);
    button.SetDownGlyphIndex(downGlyph);
    button.SetShowHint(true);
}

// A missing file leaves the button as it was; so does one that cannot be decoded.
void TScrivelForm::SetupBitmapButton(TCustomButton& button, int left, int top,
                                     const std::string& name) {
    button.SetPosition(left, top);
    if (name.empty()) {
        return;
    }
    LoadSkinButton(button, folders_.SkinFile(name));
}

// Without a skin the game and the buttons still work: the window manager's frame moves and
// closes the form, and plain buttons sit under the game.
void TScrivelForm::LayOutWithoutSkin() {
    SetupIconButton(*closeButton_, DesignWidth - 40, 20, CloseGlyph, CloseGlyph);
    SetupIconButton(*reduceButton_, DesignWidth - 72, 20, ReduceGlyph, ReduceGlyph);
    closeButton_->SetRoundCorners(0, 0);
    reduceButton_->SetRoundCorners(0, 0);
    int left = FallbackPanel[0];
    const int top = FallbackPanel[1] + FallbackPanel[3] + 30;
    for (TCustomButton* button : {f1Button_.get(), f2Button_.get(), f3Button_.get()}) {
        button->SetUpColor({240, 224, 192});
        button->SetBounds(left, top, 64, 28);
        left += 80;
    }
    titleLabel_ = {};
    titleLabel_.Left = FallbackPanel[0];
    titleLabel_.Top = 16;
    titleLabel_.Width = FallbackPanel[2];
    titleLabel_.Height = 40;
}

void TScrivelForm::PlaceGame() {
    int left = FallbackPanel[0];
    int top = FallbackPanel[1];
    int width = FallbackPanel[2];
    int height = FallbackPanel[3];
    // Only a skin that loaded has a record to read.
    if (Skinned() && SkinMg() != nullptr) {
        const TSkinInfos& infos = SkinMg()->Infos();
        // Brought inside the form, whatever skin.ini says.
        left = std::clamp(infos.PanelLeft, 0, Width() - 1);
        top = std::clamp(infos.PanelTop, 0, Height() - 1);
        width = std::clamp(infos.PanelWidth, 1, Width() - left);
        height = std::clamp(infos.PanelHeight, 1, Height() - top);
    }
    glWindow_->SetBounds(left, top, width, height);
    glWindow_->SetRoundCorners(PanelCorner(SkinIndex()), PanelCorner(SkinIndex()));
}

void TScrivelForm::NextSkin() {
    int index = SkinIndex() + 1;
    if (index > skinCount_) {
        index = 1;
    }
    SetSkinIndex(index);
    Hide();
    // A skin that failed leaves the form unskinned; the next press tries the next one.
    SetSkinned(true);
    ApplySkin();
    if (!Skinned()) {
        LayOutWithoutSkin();
    }
    PlaceGame();
    SetPosition(0, 0);
    Show();
    Raise();
}

void TScrivelForm::PaintOver(platform::Canvas& canvas) {
    titleLabel_.Paint(canvas);
}

void TScrivelForm::OnKeyDown(int code, platform::ShiftState shift) {
    if (glWindow_) {
        auto key = static_cast<std::uint16_t>(code);
        glWindow_->KeyDown(key, shift);
    }
}

void TScrivelForm::OnKeyPress(char key) {
    if (glWindow_) {
        glWindow_->KeyPress(key);
    }
}

// Any button drags. The platform moves the form with the pointer until the release, following
// the pointer on the screen so that moves the server has not made yet cannot add up.
void TScrivelForm::OnMouseDown(const platform::MouseEvent& event) {
    dragging_ = true;
    dragX_ = event.x;
    dragY_ = event.y;
    BeginDrag(event);
}

void TScrivelForm::OnMouseUp(const platform::MouseEvent&) {
    dragging_ = false;
}

// Closed by the system: the game ends as by its close button, writing its files.
void TScrivelForm::OnCloseRequest() {
    if (glWindow_) {
        glWindow_->Quit();
    } else {
        App().Quit();
    }
}

} // namespace scrivel
