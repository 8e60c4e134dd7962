#pragma once

#include "model/game_view.h"
#include "model/state_view.h"
#include "scene/gl_object.h"
#include "texts/texts.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace scrivel {

class TBird;
class TCamera;
class TFallingLettre;
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

// Everything drawn in the game's GL window: the grid, the flying and the falling letter, the found
// words, the options screen, the score table and the head-up text. It also runs the letters' flight
// and fall from tick to tick, and its mode decides what is drawn and where the camera goes.
class TView : public TGLObject, public GameView, public StateView {
public:
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
    // Draws one frame; the caller presents it (swaps the buffers).
    void Draw();

    // What the game data tells the view.
    void SetOptions(TOptionsData& options) override;
    void SetScoreList(const platform::StringList& scores) override { ScoreList = &scores; }
    void SetLetterArray(TLetterArray& grid) override;
    void SetScore(int score) override { Score = score; }
    void AddFoundWord(const std::string& word, int column, WordDirection direction,
                      int row) override;
    void SetNextLetter(std::uint8_t code) override;

    // What the screens ask of it.
    void SetMode(ViewMode mode) override;
    void UpdateFalling() override;
    bool Landed() const override { return LandedFlag; }
    void GetLandingCell(int& column, int& row) const override;
    std::uint8_t GetFallingLetter() const override;
    void MoveLeft() override;
    void MoveRight() override;
    void DropFast() override;
    void PreviousJokerLetter() override;
    void NextJokerLetter() override;
    void SetJokerLetter(char key) override;
    void EditName(char key) override;
    const std::string& NameText() const override { return NameTextValue; }
    bool OptionKeyPress(char key) override;
    bool OptionKeyDown(int key) override;
    void ApplyOptions() override;

    // Geometry and parts, read by tests and by the scenery.
    static constexpr float GridDepth = 2.0f;
    static constexpr float LaunchDepth = -25.0f;
    static constexpr float FlightLength = GridDepth - LaunchDepth;
    static constexpr float ListX = 4.0f;
    static constexpr float ListTop = 8.0f;
    static constexpr int MaxScoreLines = 12;
    static constexpr int BirdCount = 12;
    // The volcano's foot stands at this height, at LaunchX and LaunchDepth.
    static constexpr float VolcanoBase = -7.4f;
    // The eruption starts once the flying letter is this far along its flight.
    static constexpr float EruptionPoint = GridDepth - 0.1f * FlightLength;

    float GridLeft = 0.0f;
    float GridTop = 0.0f;
    float BaseHeight = 0.0f;
    float LaunchX = -2.0f;
    float LaunchY = 0.0f;
    float CellWidth = 0.0f;
    float CellHeight = 0.0f;
    ViewMode Mode = ViewMode::Menu;
    int WindowWidth = 0;
    int WindowHeight = 0;
    int BlinkCounter = 0;
    int BannerX = 0;
    bool BannerStarted = false;
    bool Flying = false;
    // The volcano erupted for the letter now in flight.
    bool EruptionStarted = false;
    int LandedColumn = 0;
    int LandedRow = 0;
    int Score = 0;
    std::uint8_t NextLetter = 0;

    TCamera& Camera() { return *camera_; }
    TGrid* Grid() { return grid_.get(); }
    TFallingLettre* ActiveLetter() { return activeLetter_.get(); }
    TFallingLettre* FlyingLetter() { return flyingLetter_.get(); }
    TFoundWordsMg* FoundWords() { return foundWords_.get(); }
    TOptionModule* OptionModule() { return optionModule_.get(); }
    TFontTexMg* LetterBank() { return letterBank_.get(); }
    // The background scenery; all empty until Build (and so without a GL context).
    TGLSun* Sun() { return sun_.get(); }
    TGround* Ground() { return ground_.get(); }
    TNHeightField* HeightField() { return heightField_.get(); }
    TVolcano* Volcano() { return volcano_.get(); }
    TBird* Bird(int i) { return birds_[static_cast<std::size_t>(i)].get(); }

private:
    int GridSize() const;
    void InitGeometry();
    std::unique_ptr<TFallingLettre> NewLetter(std::uint8_t letter);
    void LayOutFoundWords();
    void DrawScoreTable();
    void DrawHeadUp();
    void DrawBanner();
    // The sun, the ground plate and the height field, and then the volcano's light.
    void DrawLandscape();
    // What the board hides in good part: drawn after it.
    void DrawVolcanoAndBirds();
    // The falling letter, or the flying one when none falls.
    TFallingLettre& SteeredLetter();

    std::string folder_;
    std::string NameTextValue = texts::Text(texts::TextId::AnonymousPlayer);
    bool LandedFlag = false;
    TOptionsData* Options = nullptr;
    TLetterArray* LetterArray = nullptr;
    const platform::StringList* ScoreList = nullptr;

    std::unique_ptr<TCamera> camera_;
    std::unique_ptr<TFontTexMg> letterBank_;
    std::unique_ptr<TFontTexMg> titleBank_;
    std::unique_ptr<TGrid> grid_;
    std::unique_ptr<TOptionModule> optionModule_;
    std::unique_ptr<TFoundWordsMg> foundWords_;
    std::unique_ptr<TFallingLettre> activeLetter_;
    std::unique_ptr<TFallingLettre> flyingLetter_;

    std::unique_ptr<TTextureMg> textureMg_;
    std::unique_ptr<TGLSun> sun_;
    std::unique_ptr<TGround> ground_;
    std::unique_ptr<TNHeightField> heightField_;
    std::array<std::unique_ptr<TBird>, BirdCount> birds_;
    std::unique_ptr<TVolcano> volcano_;
};

} // namespace scrivel
