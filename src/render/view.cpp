#include "render/view.h"

#include "model/joker_letter.h"
#include "model/letter_array.h"
#include "model/options_data.h"
#include "render/falling_lettre.h"
#include "render/font_tex_mg.h"
#include "render/found_words_mg.h"
#include "render/grid.h"
#include "render/head_up.h"
#include "render/option_module.h"
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
#include <cmath>
#include <cstdlib>

namespace scrivel {

namespace {

constexpr float kFoundWordSize = 0.25f;
constexpr float kFoundWordHeadDepth = 3.0f;

struct CameraPose {
    float x, y, z, ax, ay, az;
};

// Where the camera goes for each screen.
constexpr CameraPose kMenuCamera{10, 16, 20, 30, -50, 0};
constexpr CameraPose kGameCamera{0, 5, 20, 12, 0, 0};
constexpr CameraPose kScoreCamera{6, 2, 5, 0, -100, 5};
constexpr CameraPose kOptionsCamera{0, -0.0f, 23, -10, 0, 0};

std::uint8_t RandomLetter() {
    return static_cast<std::uint8_t>('a' + std::rand() % 25);
}

} // namespace

TView::TView(int width, int height, std::string folder)
    : WindowWidth(width), WindowHeight(height), folder_(std::move(folder)),
      camera_(std::make_unique<TCamera>()) {
    // The game data seeds rand before it hands the view its first letters.
    camera_->Set(0, 2, 20, 0, 0, 0);
    // The sun, like the rest of the scenery, is made by Build: without a GL context the view reads
    // no scenery file and draws nothing of it.
}

TView::~TView() = default;

int TView::GridSize() const {
    return Options != nullptr ? Options->GridSize : 0;
}

void TView::SetOptions(TOptionsData& options) {
    Options = &options;
    InitGeometry();
}

void TView::SetLetterArray(TLetterArray& grid) {
    LetterArray = &grid;
    if (grid_) {
        grid_->SetLetterArray(LetterArray);
    }
}

std::unique_ptr<TFallingLettre> TView::NewLetter(std::uint8_t letter) {
    auto falling = std::make_unique<TFallingLettre>(letter, letterBank_.get(), grid_.get(),
                                                    CellWidth, CellHeight);
    falling->SetWidth(CellWidth);
    falling->SetHeight(CellHeight);
    return falling;
}

void TView::InitGeometry() {
    const int n = GridSize();
    if (n > 0) {
        CellWidth = 6.0f / static_cast<float>(n);
        CellHeight = 4.0f / static_cast<float>(n);
    }
    GridLeft = 0.5f * CellWidth - 0.5f * static_cast<float>(n) * CellWidth;
    GridTop = static_cast<float>(n) * CellHeight;
    BaseHeight = GridTop - (static_cast<float>(n) - 0.5f) * CellHeight - 1.0f;
    LaunchX = -2.0f;
    LaunchY = GridTop;

    activeLetter_.reset();
    flyingLetter_ = NewLetter(RandomLetter());
    flyingLetter_->x = GridLeft + static_cast<float>(n > 0 ? std::rand() % n : 0) * CellWidth;
    flyingLetter_->SetY(LaunchY);
    flyingLetter_->z = LaunchDepth;
}

void TView::LayOutFoundWords() {
    foundWords_->SetLayout(CellWidth, CellHeight, kFoundWordSize, kFoundWordSize);
    foundWords_->SetHead(ListX, ListTop, kFoundWordHeadDepth);
}

void TView::Build() {
    glClearColor(0.8f, 0.3f, 0.8f, 1.0f);
    glShadeModel(GL_SMOOTH);

    letterBank_ = std::make_unique<TFontTexMg>(Options->FontName, 1, Options->NumTexture,
                                               Options->FontColorNum, folder_);
    letterBank_->LoadPatterns();
    InitGeometry();

    grid_ = std::make_unique<TGrid>(letterBank_.get(), static_cast<std::int16_t>(GridSize()),
                                    CellWidth, CellHeight);
    grid_->Location = {GridLeft, GridTop, GridDepth};
    grid_->SetLetterArray(LetterArray);
    flyingLetter_->SetGrid(grid_.get());
    ground_ = std::make_unique<TGround>(folder_, "Graphics/ground4001.bmp", -4.0f, BaseHeight,
                                        GridDepth - 2.0f, 8.0f, 4.0f);
    ground_->BuildTexture();

    titleBank_ = std::make_unique<TFontTexMg>("Garamond", 1, 0, 4, folder_);
    titleBank_->LoadPatterns();
    textureMg_ = std::make_unique<TTextureMg>(1, folder_);
    textureMg_->LoadBanks();
    sun_ = std::make_unique<TGLSun>(folder_ + "Graphics/sun.bmp");
    sun_->BuildTexture();

    optionModule_ = std::make_unique<TOptionModule>(titleBank_.get(), *Options);
    foundWords_ = std::make_unique<TFoundWordsMg>(letterBank_.get());
    LayOutFoundWords();
    // In this order: the birds and then the landscape draw from rand.
    volcano_ = std::make_unique<TVolcano>(folder_ + "Graphics/volcano.bmp");
    for (auto& bird : birds_) {
        bird = std::make_unique<TBird>(textureMg_.get());
    }
    heightField_ = std::make_unique<TNHeightField>(folder_ + "Graphics/heightfield2.bmp",
                                                   textureMg_.get(), 15.0f, 1.5f, 1.5f);

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glFrontFace(GL_CW);
    glEnable(GL_CULL_FACE);
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_NORMALIZE);
    // Light 0 is set up before fog; from here on the sun sets the clear and fog colours.
    sun_->StepAndDraw();
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
    WindowWidth = width;
    WindowHeight = height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-1.0, 1.0, -0.75, 0.95, 3.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void TView::Draw() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    camera_->Apply();
    // The volcano and the birds after the board, which hides much of them: the depth test then
    // turns their hidden parts away before they are shaded. All that is drawn is opaque (alpha 1),
    // so the order changes nothing on screen; the board gets the volcano's glow it used to get.
    DrawLandscape();

    switch (Mode) {
    case ViewMode::Menu:
        grid_->Draw();
        foundWords_->Animate();
        DrawScoreTable();
        break;
    case ViewMode::Game:
        if (!camera_->Arrived) {
            DrawScoreTable();
        }
        flyingLetter_->Draw();
        if (activeLetter_) {
            activeLetter_->Draw();
        }
        grid_->Draw();
        foundWords_->Animate();
        break;
    case ViewMode::GameOver:
    case ViewMode::NameEntry:
        DrawScoreTable();
        break;
    case ViewMode::Options:
        optionModule_->Draw();
        grid_->DrawPreview();
        break;
    }
    DrawVolcanoAndBirds();
    DrawHeadUp();
}

void TView::DrawLandscape() {
    if (!sun_) {
        return;
    }
    sun_->StepAndDraw();
    ground_->Draw();
    if (Options->Background) {
        heightField_->Draw();
    }
    // The ground and the height field keep the glow of the frame before, which they always had.
    volcano_->ApplyLight(LaunchX, LaunchDepth);
}

void TView::DrawVolcanoAndBirds() {
    if (!sun_) {
        return;
    }
    volcano_->Draw(LaunchX, VolcanoBase, LaunchDepth);
    for (auto& bird : birds_) {
        bird->Draw();
    }
}

void TView::DrawHeadUp() {
    glDisable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, WindowWidth, 0, WindowHeight, -1.0, 10.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    BlinkCounter = BlinkCounter > 0 ? BlinkCounter - 1 : 30;
    for (const HeadUpLine& line :
         HeadUpLines(Mode, WindowHeight, BlinkCounter, Score, NameTextValue)) {
        glColor3f(line.Red, line.Green, line.Blue);
        if (line.FontSize != 0) {
            SetFont(line.FontSize);
        }
        DrawText(line.X, line.Y, line.Text);
    }
    if (Mode == ViewMode::Menu || Mode == ViewMode::Options) {
        DrawBanner();
    }

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glFlush();
}

void TView::DrawBanner() {
    if (!BannerStarted) {
        BannerX = WindowWidth;
        BannerStarted = true;
    }
    // At least a pixel a frame: a window narrower than 50 pixels would stop the line.
    BannerX -= std::max(1, WindowWidth / 50);
    if (BannerX >= 50) {
        glRasterPos2d(BannerX, 50);
    } else {
        if (BannerX < -WindowWidth) {
            BannerX = WindowWidth;
        }
        glRasterPos2d(50, 50);
    }
    const char* text = texts::Text(Mode == ViewMode::Menu ? texts::TextId::MenuBanner
                                                          : texts::TextId::OptionsBanner);
    glColor3f(1.0f, 0.0f, 0.0f);
    for (const char* c = text; *c != '\0'; ++c) {
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_12, *c);
    }
}

void TView::DrawScoreTable() {
    if (ScoreList == nullptr) {
        return;
    }
    const int n = std::min(ScoreList->Count(), MaxScoreLines);
    for (int i = 0; i < n; ++i) {
        const std::string& line = (*ScoreList)[i];
        const size_t first = line.find('=');
        const size_t last = line.rfind('=');
        const std::string name = first == std::string::npos ? std::string() : line.substr(0, first);
        const std::string score = last == std::string::npos ? line : line.substr(last + 1);
        const float y = ListTop - 0.75f * static_cast<float>(i);
        titleBank_->DrawTextDepth(name, GridLeft - 4.0f, y, 10.0f, 0.5f, 0.5f, 0.0f);
        titleBank_->DrawTextDepth(score, GridLeft - 4.0f, y, 4.0f, 0.5f, 0.5f, 0.0f);
    }
}

void TView::AddFoundWord(const std::string& word, int column, WordDirection direction, int row) {
    if (!foundWords_) {
        return;
    }
    foundWords_->Add(word, direction, GridLeft + static_cast<float>(column) * CellWidth,
                     GridTop - static_cast<float>(row) * CellHeight, GridDepth);
}

void TView::SetNextLetter(std::uint8_t code) {
    NextLetter = code;
    activeLetter_.reset();
}

void TView::SetMode(ViewMode mode) {
    const CameraPose* pose = nullptr;
    switch (mode) {
    case ViewMode::Menu:
        pose = &kMenuCamera;
        break;
    case ViewMode::Game:
        pose = &kGameCamera;
        if (foundWords_) {
            foundWords_->Clear();
        }
        activeLetter_.reset();
        flyingLetter_ = NewLetter(RandomLetter());
        // It starts at the grid's depth, so the first tick makes it the falling letter; from a cell
        // above the top row it falls into its column from above.
        flyingLetter_->SetY(LaunchY + CellHeight);
        break;
    case ViewMode::GameOver:
    case ViewMode::NameEntry:
        pose = &kScoreCamera;
        break;
    case ViewMode::Options:
        pose = &kOptionsCamera;
        break;
    }
    Mode = mode;
    if (pose != nullptr) {
        camera_->SetTarget(pose->x, pose->y, pose->z, pose->ax, pose->ay, pose->az);
    }
}

void TView::UpdateFalling() {
    if (!Flying) {
        Flying = true;
        LandedFlag = false;
        return;
    }
    // One eruption per letter, in the last tenth of its flight.
    if (volcano_ && flyingLetter_->z >= EruptionPoint && volcano_->Profile.Eruption == 0 &&
        !EruptionStarted) {
        volcano_->StartEruption(TVolcanoProfile::MaxEruption);
        EruptionStarted = true;
    }
    if (flyingLetter_->z >= GridDepth) {
        EruptionStarted = false;
        activeLetter_ = std::move(flyingLetter_);
        flyingLetter_ = NewLetter(NextLetter);
        flyingLetter_->SetY(LaunchY);
        flyingLetter_->z = LaunchDepth;
    }

    flyingLetter_->Advance();
    const float half = FlightLength * 0.5f;
    const float t = (half + flyingLetter_->z - GridDepth) / half;
    flyingLetter_->SetY(std::cos(t) * static_cast<float>(GridSize()) * CellHeight + LaunchY);

    if (activeLetter_ && activeLetter_->Fall()) {
        LandedColumn = activeLetter_->Column;
        LandedRow = activeLetter_->CurrentRow();
        Flying = false;
        LandedFlag = true;
        return;
    }
    Flying = true;
    LandedFlag = false;
}

void TView::GetLandingCell(int& column, int& row) const {
    column = LandedColumn;
    row = LandedRow;
}

std::uint8_t TView::GetFallingLetter() const {
    return activeLetter_ ? activeLetter_->Letter : 'a';
}

TFallingLettre& TView::SteeredLetter() {
    return activeLetter_ ? *activeLetter_ : *flyingLetter_;
}

void TView::MoveLeft() {
    SteeredLetter().MoveLeft();
}

void TView::MoveRight() {
    SteeredLetter().MoveRight();
}

void TView::DropFast() {
    SteeredLetter().DropFast();
}

void TView::PreviousJokerLetter() {
    if (activeLetter_) {
        activeLetter_->PreviousLetter();
    }
}

void TView::NextJokerLetter() {
    if (activeLetter_) {
        activeLetter_->NextLetter();
    }
}

void TView::SetJokerLetter(char key) {
    const std::uint8_t code = JokerKey(key);
    // The changers only act on jokers.
    if (!activeLetter_) {
        flyingLetter_->SetLetter(code);
    } else {
        activeLetter_->SetLetter(code);
    }
}

void TView::EditName(char key) {
    EditNameText(NameTextValue, key);
}

bool TView::OptionKeyPress(char key) {
    return optionModule_ && optionModule_->OnKeyPress(key);
}

bool TView::OptionKeyDown(int key) {
    return optionModule_ && optionModule_->OnKeyDown(key);
}

void TView::ApplyOptions() {
    InitGeometry();
    if (grid_) {
        grid_->Resize(static_cast<std::int16_t>(GridSize()), CellWidth, CellHeight);
        grid_->Location.x = GridLeft;
        grid_->Location.y = GridTop;
    }
    if (ground_) {
        // It starts one unit nearer than at build time.
        ground_->Location.y = BaseHeight;
        ground_->Location.z = GridDepth - 1.0f;
    }
    if (foundWords_) {
        LayOutFoundWords();
    }
    if (letterBank_) {
        letterBank_->SelectFont(Options->FontName, Options->NumTexture, Options->FontColorNum);
        letterBank_->Rebuild();
    }
}

} // namespace scrivel
