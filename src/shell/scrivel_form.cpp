#include "shell/scrivel_form.h"

#include "model/game_data.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/key_map.h"
#include "shell/game_host.h"
#include "shell/gl_window.h"
#include "shell/skin_settings.h"
#include "skin/custom_button.h"
#include "skin/image_list.h"
#include "skin/skin_mg.h"
#include "skin/skin_picture.h"
#include "states/state.h"
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
    const int* p = FallbackPanel;
    glWindow_ = std::make_unique<TGLWindow>(*this, p[0], p[1], p[2], p[3], folders_);
    // The skin and the place of the last run, kept with the options.
    TOptionsData* options = GameOptions();
    SetSkinIndex(options != nullptr ? options->SkinIndex : TOptionsData::StartSkin);
    ShowSkin();
    if (options == nullptr) {
        return;
    }
    if (options->Place) {
        const FormPlace place = PlaceOnScreen(*options->Place);
        SetPosition(place.left, place.top);
    }
    options->BeforeSave = [this](TOptionsData& saved) {
        saved.SkinIndex = SkinIndex();
        saved.Place = FormPlace{Left(), Top()};
    };
}

// The game data belongs to the game window, which hands it to its screens only.
TOptionsData* TScrivelForm::GameOptions() const {
    const GameHost* host = glWindow_ ? glWindow_->Host() : nullptr;
    TState* state = host != nullptr ? host->State() : nullptr;
    return state != nullptr ? &state->GameData.Options() : nullptr;
}

// A place kept from a larger screen would leave the form out of reach: it moves the least that
// brings the whole form onto this one (its top-left corner first, when the form is larger).
FormPlace TScrivelForm::PlaceOnScreen(FormPlace place) const {
    const int right = std::max(0, App().ScreenWidth() - Width());
    const int bottom = std::max(0, App().ScreenHeight() - Height());
    return {std::clamp(place.left, 0, right), std::clamp(place.top, 0, bottom)};
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

// Only reads: the buttons and the title move once the skin's pictures have loaded (ShowSkin).
bool TScrivelForm::LoadSkinInfos(TSkinInfos& infos, int index) {
    const platform::IniFile ini(folders_.Data() + "Skins/skin.ini");
    SkinSettings s = SkinSettings::Read(ini, index);
    if (!s.HasPanel()) {
        // The game would shrink to a dot in the corner: the framed form plays instead.
        return false;
    }
    infos.PanelLeft = s.PanelLeft;
    infos.PanelTop = s.PanelTop;
    infos.PanelWidth = s.PanelWidth;
    infos.PanelHeight = s.PanelHeight;
    infos.TitleLeft = s.TitleLeft;
    infos.TitleTop = s.TitleTop;
    infos.TitleWidth = s.TitleWidth;
    infos.TitleHeight = s.TitleHeight;
    infos.Font = s.Font;
    infos.Border = s.Border;
    infos.BorderColor = s.BorderColor;
    loadedSettings_ = std::move(s);
    return true;
}

void TScrivelForm::ShowSkin() {
    loadedSettings_.reset();
    SetSkinned(true);
    ApplySkin();
    if (Skinned() && loadedSettings_) {
        LayOutSkin(*loadedSettings_);
    } else {
        LayOutWithoutSkin();
    }
    PlaceGame();
}

void TScrivelForm::LayOutSkin(const SkinSettings& s) {
    titleLabel_.Left = s.TitleLeft;
    titleLabel_.Top = s.TitleTop;
    titleLabel_.Width = s.TitleWidth;
    titleLabel_.Height = s.TitleHeight;
    SetupIconButton(*closeButton_, s.CloseBLeft, s.CloseBTop, CloseGlyph, CloseGlyph);
    SetupIconButton(*reduceButton_, s.ReduceBLeft, s.ReduceBTop, ReduceGlyph, ReduceGlyph);
    closeButton_->SetRoundCorners(0, 0);
    reduceButton_->SetRoundCorners(0, 0);
    const auto buttons = BitmapButtons();
    for (int b = 0; b < SkinSettings::ButtonCount; ++b) {
        const ButtonSetting& setting = s.Buttons[static_cast<std::size_t>(b)];
        TCustomButton& button = *buttons[static_cast<std::size_t>(b)];
        button.Font().size = TTavrinControl::kCaptionPoints;
        SetupBitmapButton(button, setting.left, setting.top, setting.name);
    }
    // The skin's bitmaps draw their own arrows.
    for (TCustomButton* arrow :
         {upButton_.get(), leftButton_.get(), rightButton_.get(), downButton_.get()}) {
        arrow->SetUpCaption("");
        arrow->SetDownCaption("");
    }
    titleLabel_.Font = s.Font;
    Invalidate();
}

std::array<TCustomButton*, SkinSettings::ButtonCount> TScrivelForm::BitmapButtons() const {
    return {f1Button_.get(),   f2Button_.get(),    f3Button_.get(),  upButton_.get(),
            leftButton_.get(), rightButton_.get(), downButton_.get()};
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
// closes the form, and plain buttons sit under the game. A skin that failed after another one
// loaded leaves no trace: the form takes its designed size and frame again.
void TScrivelForm::LayOutWithoutSkin() {
    SetFramed(true);
    ResizeUnskinned(DesignWidth, DesignHeight);
    SetupIconButton(*closeButton_, DesignWidth - 40, 20, CloseGlyph, CloseGlyph);
    SetupIconButton(*reduceButton_, DesignWidth - 72, 20, ReduceGlyph, ReduceGlyph);
    closeButton_->SetRoundCorners(0, 0);
    reduceButton_->SetRoundCorners(0, 0);
    for (const auto& [button, place] :
         {std::pair{f1Button_.get(), FallbackKeys[0]}, std::pair{f2Button_.get(), FallbackKeys[1]},
          std::pair{f3Button_.get(), FallbackKeys[2]}}) {
        SetupPlainButton(*button, place, FallbackKeySize);
    }
    const struct {
        TCustomButton* button;
        const char* caption;
        const int* place;
    } arrows[] = {{upButton_.get(), "\u2191", FallbackArrows[0]},
                  {leftButton_.get(), "\u2190", FallbackArrows[1]},
                  {rightButton_.get(), "\u2192", FallbackArrows[2]},
                  {downButton_.get(), "\u2193", FallbackArrows[3]}};
    for (const auto& arrow : arrows) {
        arrow.button->SetUpCaption(arrow.caption);
        arrow.button->SetDownCaption(arrow.caption);
        SetupPlainButton(*arrow.button, arrow.place, FallbackArrowSize);
    }
    titleLabel_ = {};
    titleLabel_.Left = FallbackPanel[0];
    titleLabel_.Top = 16;
    titleLabel_.Width = FallbackPanel[2];
    titleLabel_.Height = 40;
    Invalidate();
}

// A click flips a button's Down state, which only a toggle would show: both states look alike,
// so a clicked button never turns into the black of an unset colour.
void TScrivelForm::SetupPlainButton(TCustomButton& button, const int place[2], const int size[2]) {
    button.ClearPicture();
    button.SetUpColor(PlainButtonColour);
    button.SetDownColor(PlainButtonColour);
    button.Font().size = PlainCaptionPoints;
    button.SetBounds(place[0], place[1], size[0], size[1]);
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
    ShowSkin();
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
    // The keyboard's F3 does what the F3 button does, as F1 and F2 already do.
    if (code == platform::key::kF3) {
        NextSkin();
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
