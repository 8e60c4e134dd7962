#include "render/view.h"

#include "model/letter_array.h"
#include "model/options_data.h"
#include "render/bitmap_text.h"
#include "render/board_marks.h"
#include "render/font_tex_mg.h"
#include "render/found_words_mg.h"
#include "render/grid.h"
#include "render/option_module.h"
#include "render/score_notes.h"
#include "render/screen_look.h"
#include "scene/bird.h"
#include "scene/camera.h"
#include "scene/gl_sun.h"
#include "scene/ground.h"
#include "scene/height_field.h"
#include "scene/texture_mg.h"
#include "scene/volcano.h"
#include "texts/texts.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <algorithm>

namespace scrivel {

namespace {

constexpr float kFoundWordSize = 0.25f;
constexpr float kFoundWordHeadDepth = 3.0f;
// The score table's columns, left of the grid, and its line pitch.
constexpr float kTableLeftOfGrid = 4.0f;
constexpr float kTableNameDepth = 10.0f;
constexpr float kTableScoreDepth = 4.0f;
constexpr float kTableLetterSize = 0.5f;
constexpr float kTableLinePitch = 0.75f;
// The score notes' column and bitmap font size, in window pixels.
constexpr int kScoreNoteX = 100;
constexpr int kScoreNoteSize = 18;
// The key help's line, in window pixels from the bottom.
constexpr int kBannerY = 50;

} // namespace

TView::TView(int width, int height, std::string folder)
    : folder_(std::move(folder)), width_(width), height_(height),
      camera_(std::make_unique<TCamera>()) {
    // The game data seeds rand before it hands the view its first letters.
    camera_->Set(0, 2, 20, 0, 0, 0);
    // The scenery is made by Build: without a GL context the view reads no scenery file and
    // draws nothing of it.
}

TView::~TView() = default;

int TView::GridSize() const {
    return options_ != nullptr ? options_->GridSize : 0;
}

void TView::SetOptions(TOptionsData& options) {
    options_ = &options;
    InitGeometry();
}

void TView::SetLetterArray(TLetterArray& grid) {
    letterArray_ = &grid;
    if (grid_) {
        grid_->SetLetterArray(letterArray_);
        HandBoardToLetters();
    }
}

void TView::InitGeometry() {
    flight_.Restart(BoardLayout::ForSize(GridSize()));
}

void TView::HandBoardToLetters() {
    flight_.SetBoard(FallGrid{grid_->LetterArray(), grid_->Size(), grid_->Left(), grid_->Top()});
}

void TView::LayOutFoundWords() {
    foundWords_->SetLayout(Layout().CellWidth, Layout().CellHeight, kFoundWordSize, kFoundWordSize);
    foundWords_->SetHead(ListX, ListTop, kFoundWordHeadDepth);
}

void TView::Build() {
    glClearColor(0.8f, 0.3f, 0.8f, 1.0f);
    glShadeModel(GL_SMOOTH);

    letterBank_ = std::make_unique<TFontTexMg>(options_->FontName, 1, options_->NumTexture,
                                               options_->FontColorNum, folder_);
    letterBank_->LoadPatterns();
    letterBank_->SetEye(&eye_);
    InitGeometry();
    const BoardLayout& layout = Layout();

    letterCube_ = std::make_unique<TLettre>(letterBank_.get(), layout.CellWidth, layout.CellHeight);
    letterCube_->SetEye(&eye_);
    grid_ = std::make_unique<TGrid>(letterBank_.get(), static_cast<std::int16_t>(GridSize()),
                                    layout.CellWidth, layout.CellHeight);
    grid_->MoveTo(layout.GridLeft, layout.GridTop, BoardLayout::GridDepth);
    grid_->SetLetterArray(letterArray_);
    grid_->SetEye(&eye_);
    HandBoardToLetters();
    ground_ =
        std::make_unique<TGround>(folder_, "Graphics/ground4001.bmp", -4.0f, layout.BaseHeight,
                                  BoardLayout::GridDepth - 2.0f, 8.0f, 4.0f);
    ground_->BuildTexture();

    titleBank_ = std::make_unique<TFontTexMg>("Garamond", 1, 0, 4, folder_);
    titleBank_->LoadPatterns();
    titleBank_->SetEye(&eye_);
    textureMg_ = std::make_unique<TTextureMg>(1, folder_);
    textureMg_->LoadBanks();
    sun_ = std::make_unique<TGLSun>(folder_ + "Graphics/sun.bmp");
    sun_->BuildTexture();

    optionModule_ = std::make_unique<TOptionModule>(titleBank_.get(), *options_);
    foundWords_ = std::make_unique<TFoundWordsMg>(letterBank_.get());
    LayOutFoundWords();
    // In this order: the birds and then the landscape draw from rand.
    volcano_ = std::make_unique<TVolcano>(folder_ + "Graphics/volcano.bmp");
    for (auto& bird : birds_) {
        bird = std::make_unique<TBird>(textureMg_.get());
    }
    heightField_ = std::make_unique<TNHeightField>(folder_ + "Graphics/heightfield2.bmp",
                                                   textureMg_.get(), 15.0f, 1.5f, 1.5f);
    SetFixedGlState();
}

void TView::SetFixedGlState() const {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glFrontFace(GL_CW);
    glEnable(GL_CULL_FACE);
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_NORMALIZE);
    // Light 0 is set up before fog; from here on the sun sets the clear and fog colours.
    sun_->Step();
    sun_->Draw();
    glEnable(GL_FOG);
    const GLfloat fogColour[] = {0.85f, 0.82f, 0.32f, 0.1f};
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogfv(GL_FOG_COLOR, fogColour);
    glFogf(GL_FOG_DENSITY, 0.01f);
    glHint(GL_FOG_HINT, GL_NICEST);
    glFogf(GL_FOG_START, 30.0f);
    glFogf(GL_FOG_END, 100.0f);
}

void TView::Resize(int width, int height) {
    if (width == 0 || height == 0) {
        return;
    }
    // A panel of another size may want the screen seen from elsewhere; otherwise the camera is
    // left as it is.
    if (const ScreenLook* look = LookOf(mode_)) {
        const CameraPose& pose = CameraFor(*look, width, height);
        if (!(pose == CameraFor(*look, width_, height_))) {
            camera_->SetTarget(pose.X, pose.Y, pose.Z, pose.AngleX, pose.AngleY, pose.AngleZ);
        }
    }
    width_ = width;
    height_ = height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    using F = ViewFrustum;
    glFrustum(F::Left, F::Right, F::Bottom, F::Top, F::Near, F::Far);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void TView::Step() {
    camera_->Step();
    if (sun_) {
        sun_->Step();
    }
    const ScreenLook* look = LookOf(mode_);
    if (look != nullptr && look->Letters) {
        flight_.StepPulses();
        // A joker flickers through every letter's colour.
        const auto flicker = [this](const FallingLetter* letter, int& colour) {
            if (letter != nullptr && letter->Joker()) {
                colour = static_cast<int>(cosmetic_() % 26);
            }
        };
        flicker(flight_.Flying(), flyingColour_);
        flicker(flight_.Falling(), fallingColour_);
    }
    if (look != nullptr && look->FoundWords && foundWords_) {
        foundWords_->Step();
    }
    if (look != nullptr && look->OptionsList && optionModule_) {
        optionModule_->Step();
    }
    if (volcano_) {
        volcano_->Step();
    }
    for (auto& bird : birds_) {
        if (bird) {
            bird->Step();
        }
    }
    // A line of size 0 keeps the font the lines before it chose, frame after frame.
    const std::string name = playerName_ != nullptr ? *playerName_ : std::string();
    for (const HeadUpLine& line : HeadUpLines(mode_, height_, blink_.Counter(), score_, name)) {
        carriedFont_ = line.FontSize != 0 ? line.FontSize : carriedFont_;
    }
    blink_.Step();
    scoreNotes_.Step();
    if (look != nullptr && look->Banner) {
        banner_.Step(width_);
    }
}

void TView::Draw() const {
    if (sun_) {
        // The sky the last tick set clears this frame, as it always has.
        sun_->ApplyClearColour();
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (volcano_) {
        // The ground and the height field keep the glow of the tick before, placed with that
        // tick's camera: set here, a second draw of the tick finds it as the first did.
        camera_->ApplyPrevious();
        volcano_->ApplyLight(BoardLayout::LaunchX, BoardLayout::LaunchDepth);
    }
    camera_->Apply();
    // The volcano and the birds after the board, which hides much of them: the depth test then
    // turns their hidden parts away before they are shaded. All that is drawn is opaque (alpha 1),
    // so the order changes nothing on screen; the board gets the volcano's glow it used to get.
    DrawLandscape();
    eye_ = EyeView::FromGl();

    const ScreenLook* look = LookOf(mode_);
    if (look != nullptr) {
        if (look->ScoreTable == ScoreTableShown::WhileTheCameraMoves && !camera_->Arrived()) {
            DrawScoreTable();
        }
        if (look->Letters) {
            DrawLetters();
        }
        if (look->OptionsList) {
            optionModule_->Draw();
        }
        if (look->Board) {
            grid_->Draw();
        }
        if (look->GridPreview) {
            grid_->DrawPreview();
        }
        if (look->FoundWords) {
            foundWords_->Draw();
        }
        if (look->ScoreTable == ScoreTableShown::Always) {
            DrawScoreTable();
        }
    }
    DrawVolcanoAndBirds();
    // Translucent, so after everything they may lie over.
    if (look != nullptr && look->Letters && options_->Marker) {
        DrawMarks();
    }
    DrawHeadUp(look);
}

void TView::DrawMarks() const {
    marks_.DrawColumns(Layout());
    if (const auto cell = flight_.LandingCell()) {
        marks_.DrawLandingCell(Layout(), cell->Column, cell->Row);
    }
}

void TView::DrawLetters() const {
    const auto draw = [this](const FallingLetter* letter, int jokerColour) {
        if (letter == nullptr) {
            return;
        }
        const int colour = letter->Joker() ? jokerColour : TLettre::ColourIndex(letter->Letter());
        letterCube_->Draw(letter->Letter(), letter->X(), letter->Y(), letter->Z(), letter->Grow(),
                          colour);
    };
    draw(flight_.Flying(), flyingColour_);
    draw(flight_.Falling(), fallingColour_);
}

void TView::DrawLandscape() const {
    if (!sun_) {
        return;
    }
    sun_->Draw();
    ground_->Draw();
    if (options_->Background) {
        heightField_->Draw();
    }
    // The ground and the height field keep the glow of the frame before, which they always had.
    volcano_->ApplyLight(BoardLayout::LaunchX, BoardLayout::LaunchDepth);
}

void TView::DrawVolcanoAndBirds() const {
    if (!sun_) {
        return;
    }
    volcano_->Draw(BoardLayout::LaunchX, VolcanoBase, BoardLayout::LaunchDepth);
    for (const auto& bird : birds_) {
        bird->Draw();
    }
}

void TView::DrawHeadUp(const ScreenLook* look) const {
    glDisable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, width_, 0, height_, -1.0, 10.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    TBitmapText text;
    if (carriedFont_ != 0) {
        text.SetFont(carriedFont_);
    }
    const std::string name = playerName_ != nullptr ? *playerName_ : std::string();
    const std::vector<HeadUpLine> lines =
        HeadUpLines(mode_, height_, blink_.Counter(), score_, name);
    for (const HeadUpLine& line : lines) {
        glColor3f(line.Red, line.Green, line.Blue);
        if (line.FontSize != 0) {
            text.SetFont(line.FontSize);
        }
        text.DrawText(line.X, line.Y, line.Text);
    }
    if (look != nullptr && look->Banner) {
        // The raster position takes the colour of the lines before it; the red set after it
        // reaches no pixel, so the key help has always shown in their white.
        glRasterPos2d(banner_.X(), kBannerY);
        glColor3f(1.0f, 0.0f, 0.0f);
        for (const char* c = texts::Text(*look->Banner); *c != '\0'; ++c) {
            glutBitmapCharacter(GLUT_BITMAP_HELVETICA_12, *c);
        }
    }
    // What the last words scored, under the name; after the key help, which takes the colour
    // set before it.
    glColor3f(1.0f, 0.9f, 0.3f);
    text.SetFont(kScoreNoteSize);
    // The second line is the name's.
    int noteY = lines[1].Y - kScoreNoteSize - 4;
    for (const std::string& note : scoreNotes_.Lines()) {
        text.DrawText(kScoreNoteX, noteY, note);
        noteY -= kScoreNoteSize + 4;
    }

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glFlush();
}

void TView::DrawScoreTable() const {
    if (scoreList_ == nullptr) {
        return;
    }
    const int n = std::min(scoreList_->Count(), MaxScoreLines);
    const float left = Layout().GridLeft - kTableLeftOfGrid;
    for (int i = 0; i < n; ++i) {
        const std::string& line = (*scoreList_)[i];
        const size_t first = line.find('=');
        const size_t last = line.rfind('=');
        const std::string name = first == std::string::npos ? std::string() : line.substr(0, first);
        const std::string score = last == std::string::npos ? line : line.substr(last + 1);
        const float y = ListTop - kTableLinePitch * static_cast<float>(i);
        titleBank_->DrawTextDepth(name, left, y, kTableNameDepth, kTableLetterSize,
                                  kTableLetterSize, 0.0f);
        titleBank_->DrawTextDepth(score, left, y, kTableScoreDepth, kTableLetterSize,
                                  kTableLetterSize, 0.0f);
    }
}

void TView::AddFoundWord(const std::string& word, int column, WordDirection direction, int row) {
    if (!foundWords_) {
        return;
    }
    scoreNotes_.Add(word, options_ != nullptr ? options_->TickPeriod : 50);
    const BoardLayout& layout = Layout();
    foundWords_->Add(
        word, direction, layout.GridLeft + static_cast<float>(column) * layout.CellWidth,
        layout.GridTop - static_cast<float>(row) * layout.CellHeight, BoardLayout::GridDepth);
}

void TView::SetMode(ViewMode mode) {
    if (mode == ViewMode::Game) {
        scoreNotes_.Clear();
        if (foundWords_) {
            foundWords_->Clear();
        }
        flight_.StartGame();
    }
    mode_ = mode;
    if (const ScreenLook* look = LookOf(mode)) {
        const CameraPose& pose = CameraFor(*look, width_, height_);
        camera_->SetTarget(pose.X, pose.Y, pose.Z, pose.AngleX, pose.AngleY, pose.AngleZ);
    }
}

void TView::PlaceCamera(float x, float y, float z, float ax, float ay, float az) {
    camera_->Set(x, y, z, ax, ay, az);
}

void TView::SetSunPath(const TSunPath& path) {
    if (sun_) {
        sun_->SetPath(path);
    }
}

void TView::StartEruption() {
    if (volcano_) {
        volcano_->StartEruption(TVolcanoProfile::MaxEruption);
    }
}

void TView::UpdateFalling() {
    const bool volcanoResting = volcano_ && volcano_->Profile().Eruption() == 0;
    if (flight_.Tick(volcanoResting)) {
        StartEruption();
    }
}

void TView::GetLandingCell(int& column, int& row) const {
    column = flight_.LandedColumn();
    row = flight_.LandedRow();
}

bool TView::OptionKeyPress(char key) {
    return optionModule_ && optionModule_->OnKeyPress(key);
}

bool TView::OptionKeyDown(int key) {
    return optionModule_ && optionModule_->OnKeyDown(key);
}

void TView::ApplyOptions() {
    // The new letters meet the grid as it was; it takes the new size after them.
    InitGeometry();
    const BoardLayout& layout = Layout();
    if (grid_) {
        grid_->Resize(static_cast<std::int16_t>(GridSize()), layout.CellWidth, layout.CellHeight);
        grid_->MoveTo(layout.GridLeft, layout.GridTop, BoardLayout::GridDepth);
        HandBoardToLetters();
    }
    if (letterCube_) {
        letterCube_->SetWidth(layout.CellWidth);
        letterCube_->SetHeight(layout.CellHeight);
    }
    if (ground_) {
        // It starts one unit nearer than at build time.
        ground_->MoveTo(ground_->Location().x, layout.BaseHeight, BoardLayout::GridDepth - 1.0f);
    }
    if (foundWords_) {
        LayOutFoundWords();
    }
    if (letterBank_) {
        letterBank_->SelectFont(options_->FontName, options_->NumTexture, options_->FontColorNum);
        letterBank_->Rebuild();
    }
}

} // namespace scrivel
