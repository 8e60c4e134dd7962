#pragma once

#include "model/options_data.h"
#include "platform/canvas.h"
#include "platform/game_folders.h"
#include "shell/skin_settings.h"
#include "skin/tavrin_form.h"
#include "texts/texts.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace scrivel {

class TCustomButton;
class TGLWindow;
class TImageList;

// A text drawn straight on its form, over the form's background, in a box of its own. X has no
// transparent child windows; like a graphic control it takes no input, so a press on it drags
// the form.
struct TTitleLabel {
    std::string Caption = texts::Text(texts::TextId::GameTitle);
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    platform::Font Font{"Lucida Console", 0, {0, 255, 0}, platform::FontStyle::BoldItalic, 24};

    // Centred in its box.
    void Paint(platform::Canvas& canvas) const;
};

// The program's window: the skinned form holding the title, the game in the skin's panel and
// nine buttons (close, minimise, F1, F2, F3 and four arrows). It gives every key to the game,
// turns button clicks into the same keys, is dragged by its skin with any mouse button, and
// cycles its four skins with the F3 button or key. Its skin and place are kept with the options.
class TScrivelForm : public TTavrinForm {
public:
    static constexpr int DesignWidth = 600;
    static constexpr int DesignHeight = 700;
    static constexpr int IconSize = 23;
    static constexpr int IconButtonSize = 25;
    static constexpr int CloseGlyph = 3;
    static constexpr int ReduceGlyph = 4;
    // The game's panel when no skin could be loaded.
    static constexpr int FallbackPanel[4] = {40, 70, 520, 440}; // left, top, width, height
    // The plain buttons under it: F1 to F3 in a row, the arrows in a cross to the right (up,
    // left, right, down), as left and top.
    static constexpr int FallbackKeys[3][2] = {{40, 540}, {120, 540}, {200, 540}};
    static constexpr int FallbackKeySize[2] = {64, 28};
    static constexpr int FallbackArrows[4][2] = {{460, 526}, {414, 558}, {506, 558}, {460, 558}};
    static constexpr int FallbackArrowSize[2] = {40, 28};
    static constexpr platform::Colour PlainButtonColour{240, 224, 192};
    // Without a picture under it, a caption is all the button shows: larger than over a bitmap.
    static constexpr int PlainCaptionPoints = 12;

    // folders says where the game's data, the skins and the player's files are.
    TScrivelForm(platform::Application& app, platform::GameFolders folders);
    ~TScrivelForm() override;

    bool LoadSkinInfos(TSkinInfos& infos, int index) override;

    TGLWindow* GLWindow() const { return glWindow_.get(); }
    const TTitleLabel& TitleLabel() const { return titleLabel_; }
    int SkinCount() const { return skinCount_; }
    bool Dragging() const { return dragging_; }
    TCustomButton& CloseButton() const { return *closeButton_; }
    TCustomButton& ReduceButton() const { return *reduceButton_; }
    TCustomButton& F1Button() const { return *f1Button_; }
    TCustomButton& F2Button() const { return *f2Button_; }
    TCustomButton& F3Button() const { return *f3Button_; }
    TCustomButton& UpButton() const { return *upButton_; }
    TCustomButton& LeftButton() const { return *leftButton_; }
    TCustomButton& RightButton() const { return *rightButton_; }
    TCustomButton& DownButton() const { return *downButton_; }

    // The F3 button's work after its key: the next skin, the form at the screen's corner.
    void NextSkin();
    // place, moved the least that shows the whole form on the screen.
    FormPlace PlaceOnScreen(FormPlace place) const;

protected:
    void PaintOver(platform::Canvas& canvas) override;
    void OnKeyDown(int code, platform::ShiftState shift) override;
    void OnKeyPress(char key) override;
    void OnMouseDown(const platform::MouseEvent& event) override;
    void OnMouseUp(const platform::MouseEvent& event) override;
    void OnCloseRequest() override;

private:
    void CreateButtons();
    void MakeIcons();
    void SetupIconButton(TCustomButton& button, int left, int top, int upGlyph, int downGlyph);
    void SetupBitmapButton(TCustomButton& button, int left, int top, const std::string& name);
    // The game's panel in the current skin, inside the form; a fixed one without a skin.
    void PlaceGame();
    void SendKey(int code);
    // The options the game reads and saves; null once the game has ended.
    TOptionsData* GameOptions() const;
    // Skin SkinIndex with its layout, or the form without skins when it cannot load.
    void ShowSkin();
    void LayOutSkin(const SkinSettings& settings);
    void LayOutWithoutSkin();
    void SetupPlainButton(TCustomButton& button, const int place[2], const int size[2]);
    // F1, F2, F3 and the arrows, in the order of SkinSettings::Button.
    std::array<TCustomButton*, SkinSettings::ButtonCount> BitmapButtons() const;

    platform::GameFolders folders_;
    TTitleLabel titleLabel_;
    std::unique_ptr<TImageList> iconList_;
    std::unique_ptr<TGLWindow> glWindow_;
    bool dragging_ = false;
    int dragX_ = 0;
    int dragY_ = 0;
    int skinCount_ = 4;
    // What LoadSkinInfos read for the skin being loaded; laid out only if its pictures load.
    std::optional<SkinSettings> loadedSettings_;
    std::unique_ptr<TCustomButton> closeButton_;
    std::unique_ptr<TCustomButton> reduceButton_;
    std::unique_ptr<TCustomButton> f1Button_;
    std::unique_ptr<TCustomButton> f2Button_;
    std::unique_ptr<TCustomButton> f3Button_;
    std::unique_ptr<TCustomButton> upButton_;
    std::unique_ptr<TCustomButton> leftButton_;
    std::unique_ptr<TCustomButton> rightButton_;
    std::unique_ptr<TCustomButton> downButton_;
};

} // namespace scrivel
