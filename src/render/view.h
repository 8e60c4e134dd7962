#pragma once

#include "model/board_layout.h"
#include "model/game_view.h"
#include "model/letter_flight.h"
#include "model/state_view.h"
#include "render/board_marks.h"
#include "render/eye_view.h"
#include "render/head_up.h"
#include "render/lettre.h"
#include "render/score_notes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <string>

namespace scrivel {

class TBird;
class TSunPath;
class TCamera;
class TFontTexMg;
class TFoundWordsMg;
class TGLSun;
class TGrid;
class TGround;
class TLetterArray;
class TNHeightField;
class TOptionModule;
class TOptionsData;
class TTextureMg;
class TVolcano;
struct ScreenLook;

// Everything drawn in the game's GL window: the grid, the letters in play, the found words, the
// options screen, the score table, the head-up text and the scenery. What moves is advanced by
// Step, once a game tick; Draw only reads, so a repaint changes nothing. The letters' rules are
// LetterFlight's; which screen is shown decides what is drawn and where the camera goes.
class TView : public GameView, public StateView {
public:
    static constexpr int MaxScoreLines = 12;
    static constexpr int BirdCount = 12;
    // Where the score table's first line lies in the scene.
    static constexpr float ListX = 4.0f;
    static constexpr float ListTop = 8.0f;
    // The volcano's foot stands at this height, at the launch point.
    static constexpr float VolcanoBase = -7.4f;

    // folder holds Graphics/ and ends with '/'.
    TView(int width, int height, std::string folder);
    ~TView() override;
    TView(const TView&) = delete;
    TView& operator=(const TView&) = delete;

    // Creates every GL resource and sets the fixed GL state; needs a current context and the
    // options.
    void Build();
    // Ignored when either side is 0.
    void Resize(int width, int height);
    // One game tick of everything that moves on screen, after the screen's own tick.
    void Step();
    // Draws the current tick; the caller presents it (swaps the buffers).
    void Draw() const;

    // What the game data tells the view.
    void SetOptions(TOptionsData& options) override;
    void SetScoreList(const platform::StringList& scores) override { scoreList_ = &scores; }
    void SetLetterArray(TLetterArray& grid) override;
    void SetScore(int score) override { score_ = score; }
    void SetPlayerName(const std::string& name) override { playerName_ = &name; }
    void AddFoundWord(const std::string& word, int column, WordDirection direction,
                      int row) override;
    void SetNextLetter(std::uint8_t code) override { flight_.SetNextLetter(code); }

    // What the screens ask of it.
    void SetMode(ViewMode mode) override;
    void UpdateFalling() override;
    bool Landed() const override { return flight_.Landed(); }
    void GetLandingCell(int& column, int& row) const override;
    std::uint8_t GetFallingLetter() const override { return flight_.FallingCode(); }
    void MoveLeft() override { flight_.MoveLeft(); }
    void MoveRight() override { flight_.MoveRight(); }
    void DropFast() override { flight_.DropFast(); }
    void PreviousJokerLetter() override { flight_.PreviousJokerLetter(); }
    void NextJokerLetter() override { flight_.NextJokerLetter(); }
    void SetJokerLetter(char key) override { flight_.SetJokerLetter(key); }
    bool OptionKeyPress(char key) override;
    bool OptionKeyDown(int key) override;
    void ApplyOptions() override;

    // What it shows, read by tests and the window.
    ViewMode Mode() const { return mode_; }
    int WindowWidth() const { return width_; }
    int WindowHeight() const { return height_; }
    const BoardLayout& Layout() const { return flight_.Layout(); }
    const LetterFlight& Flight() const { return flight_; }
    int BannerX() const { return banner_.X(); }
    const TCamera& Camera() const { return *camera_; }
    // Puts the sun somewhere on its path, and starts an eruption: for pictures of the scenery.
    void SetSunPath(const TSunPath& path);
    void StartEruption();
    // Moves the camera at once, as if it had arrived.
    void PlaceCamera(float x, float y, float z, float ax, float ay, float az);
    const TGrid* Grid() const { return grid_.get(); }
    const TFoundWordsMg* FoundWords() const { return foundWords_.get(); }
    const TOptionModule* OptionModule() const { return optionModule_.get(); }
    // The background scenery; all empty until Build (and so without a GL context).
    const TGLSun* Sun() const { return sun_.get(); }
    const TGround* Ground() const { return ground_.get(); }
    const TVolcano* Volcano() const { return volcano_.get(); }
    const TBird* Bird(int i) const { return birds_[static_cast<std::size_t>(i)].get(); }

private:
    int GridSize() const;
    // The layout for the options' grid size, with a new letter waiting at the launch point.
    void InitGeometry();
    // The grid as the letters meet it.
    void HandBoardToLetters();
    void LayOutFoundWords();
    void SetFixedGlState() const;
    void DrawLetters() const;
    // Where letters can land: the grid's columns and the falling letter's landing cell.
    void DrawMarks() const;
    void DrawScoreTable() const;
    void DrawHeadUp(const ScreenLook* look) const;
    // The sun, the ground plate and the height field, and then the volcano's light.
    void DrawLandscape() const;
    // What the board hides in good part: drawn after it.
    void DrawVolcanoAndBirds() const;

    std::string folder_;
    int width_ = 0;
    int height_ = 0;
    ViewMode mode_ = ViewMode::Menu;
    int score_ = 0;
    const std::string* playerName_ = nullptr;
    TOptionsData* options_ = nullptr;
    TLetterArray* letterArray_ = nullptr;
    const platform::StringList* scoreList_ = nullptr;

    LetterFlight flight_;
    HeadUpBlink blink_;
    BannerScroll banner_;
    // The bitmap font the head-up text starts a frame with: where the last tick's lines left it.
    int carriedFont_ = 0;
    // Looks only, never the rules: a joker's colour flickers from this generator, so what is
    // drawn never changes the letters a seeded game deals.
    std::minstd_rand cosmetic_;
    int flyingColour_ = 0;
    int fallingColour_ = 0;
    TBoardMarks marks_;
    ScoreNotes scoreNotes_;
    // Read from GL once a frame after the camera is set; the cubes only consult it.
    mutable EyeView eye_;

    std::unique_ptr<TCamera> camera_;
    std::unique_ptr<TFontTexMg> letterBank_;
    std::unique_ptr<TFontTexMg> titleBank_;
    std::unique_ptr<TLettre> letterCube_;
    std::unique_ptr<TGrid> grid_;
    std::unique_ptr<TOptionModule> optionModule_;
    std::unique_ptr<TFoundWordsMg> foundWords_;

    std::unique_ptr<TTextureMg> textureMg_;
    std::unique_ptr<TGLSun> sun_;
    std::unique_ptr<TGround> ground_;
    std::unique_ptr<TNHeightField> heightField_;
    std::array<std::unique_ptr<TBird>, BirdCount> birds_;
    std::unique_ptr<TVolcano> volcano_;
};

} // namespace scrivel
