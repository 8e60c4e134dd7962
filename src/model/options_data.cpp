#include "model/options_data.h"

#include "platform/ini_file.h"

#include <algorithm>
#include <limits>
#include <string>

namespace scrivel {

namespace {

constexpr const char* kGridSection = "GridSize";
constexpr const char* kSpeedSection = "SpeedInfo";
constexpr const char* kResultSection = "Result Filter";
constexpr const char* kDataSection = "Data Filter";
constexpr const char* kDisplaySection = "Display";
constexpr const char* kWindowSection = "Window";
constexpr const char* kPlayerSection = "Player";
// Read for a missing or unreadable place: no window stands there.
constexpr int kNoPlace = std::numeric_limits<int>::min();

} // namespace

TOptionsData::TOptionsData(std::string fileName, const platform::FileReader& read)
    : FileName(std::move(fileName)), file_(FileName, read, texts::TextId::DefaultOptionsFallback) {
    SetDefaults();
    switch (file_.HowItStarted()) {
    case PlayerFile::Start::Read:
        Load();
        break;
    case PlayerFile::Start::Created:
        // A fresh file holds every key, so the player can find them.
        Save();
        break;
    case PlayerFile::Start::Uncreatable:
    case PlayerFile::Start::Unreadable:
    case PlayerFile::Start::NotKept:
        break;
    }
}

TOptionsData::~TOptionsData() {
    ApplySpeed();
    Save();
}

void TOptionsData::SetDefaults() {
    SpeedMode = 1;
    GridSize = 8;
    MinWordSize = 3;
    RandomLetter = false;
    Background = true;
    Marker = true;
    NumTexture = 0;
    FontName = "Arial";
    FontColorNum = 9;
    SkinIndex = StartSkin;
    Place.reset();
    PlayerName = texts::Text(texts::TextId::AnonymousPlayer);
    ApplySpeed();
}

void TOptionsData::ApplySpeed() {
    switch (SpeedMode) {
    case 0:
        TickPeriod = 75;
        break;
    case 2:
        TickPeriod = 37;
        break;
    default:
        TickPeriod = 50;
        break;
    }
}

void TOptionsData::Load() {
    const platform::IniFile ini(FileName, file_.Text());
    // A missing key, "None" and text that is not a number all read as the default.
    SpeedMode = ini.ReadInteger(kSpeedSection, "SpeedMode", 1);
    const int gridSize = ini.ReadInteger(kGridSection, "Size", 8);
    const int minWordSize = ini.ReadInteger(kResultSection, "MinWordSize", 3);
    RandomLetter = ini.ReadInteger(kDataSection, "RandomLetter", 0) != 0;
    Background = ini.ReadInteger(kDisplaySection, "Background", 1) != 0;
    Marker = ini.ReadInteger(kDisplaySection, "Marker", 1) != 0;
    NumTexture = ini.ReadInteger(kDisplaySection, "NumTexture", 0);
    FontName = ini.ReadString(kDisplaySection, "FontName", "None");
    FontColorNum = ini.ReadInteger(kDisplaySection, "FontColorNum", 9);
    SkinIndex = ini.ReadInteger(kWindowSection, "Skin", StartSkin);
    const int left = ini.ReadInteger(kWindowSection, "Left", kNoPlace);
    const int top = ini.ReadInteger(kWindowSection, "Top", kNoPlace);
    PlayerName = ini.ReadString(kPlayerSection, "Name", "");

    // A hand-edited file must not size the grid beyond its storage or break the options screen.
    GridSize = static_cast<std::int16_t>(std::clamp(gridSize, MinGridSize, MaxGridSize));
    MinWordSize = static_cast<std::int16_t>(std::clamp(minWordSize, MinMinWordSize, int{GridSize}));
    if (SpeedMode < 0 || SpeedMode > 2) {
        // Any unknown speed already plays at the normal pace; store it as normal.
        SpeedMode = 1;
    }
    NumTexture = std::clamp(NumTexture, 0, MaxNumTexture);
    FontColorNum = std::clamp(FontColorNum, 0, MaxFontColorNum);
    if (FontName == "None" || FontName.empty()) {
        FontName = "Arial";
    }
    if (SkinIndex < 1 || SkinIndex > SkinCount) {
        SkinIndex = StartSkin;
    }
    Place.reset();
    if (left != kNoPlace && top != kNoPlace) {
        Place = FormPlace{left, top};
    }
    if (PlayerName.empty()) {
        PlayerName = texts::Text(texts::TextId::AnonymousPlayer);
    }
    ApplySpeed();
}

bool TOptionsData::Save() {
    if (BeforeSave) {
        BeforeSave(*this);
    }
    platform::IniFile ini(FileName, file_.Text());
    ini.WriteString(kGridSection, "Size", std::to_string(GridSize));
    ini.WriteString(kSpeedSection, "SpeedMode", std::to_string(SpeedMode));
    ini.WriteString(kResultSection, "MinWordSize", std::to_string(MinWordSize));
    ini.WriteString(kDataSection, "RandomLetter", RandomLetter ? "1" : "0");
    ini.WriteString(kDisplaySection, "Background", Background ? "1" : "0");
    ini.WriteString(kDisplaySection, "Marker", Marker ? "1" : "0");
    ini.WriteString(kDisplaySection, "NumTexture", std::to_string(NumTexture));
    ini.WriteString(kDisplaySection, "FontName", FontName);
    ini.WriteString(kDisplaySection, "FontColorNum", std::to_string(FontColorNum));
    ini.WriteString(kWindowSection, "Skin", std::to_string(SkinIndex));
    if (Place) {
        ini.WriteString(kWindowSection, "Left", std::to_string(Place->left));
        ini.WriteString(kWindowSection, "Top", std::to_string(Place->top));
    }
    ini.WriteString(kPlayerSection, "Name", PlayerName);
    return file_.Save(ini.Text());
}

} // namespace scrivel
