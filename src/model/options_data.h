#pragma once

#include "model/player_file.h"
#include "platform/file_system.h"
#include "texts/texts.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace scrivel {

// Where the main window stood, in screen pixels.
struct FormPlace {
    int left = 0;
    int top = 0;
    bool operator==(const FormPlace&) const = default;
};

// The player's options, read from options.ini at start-up and written back when destroyed. The
// options screen changes the fields in place; the view and the game data read them. The same file
// keeps what the player expects to find again: the skin, the window's place and the last name.
class TOptionsData {
public:
    static constexpr int MinGridSize = 4;
    static constexpr int MaxGridSize = 12;
    static constexpr int MinMinWordSize = 3;
    static constexpr int MaxNumTexture = 8;
    static constexpr int MaxFontColorNum = 9;
    static constexpr int SkinCount = 4;
    static constexpr int StartSkin = 4;

    // Loads fileName (read with read), or creates it holding the defaults. A file that cannot be
    // created or read is reported; the defaults then stay, and an unreadable file is never
    // replaced. An empty fileName keeps the options for this run only.
    explicit TOptionsData(std::string fileName,
                          const platform::FileReader& read = platform::ReadFile);
    // Saves, so the player's choices survive the run.
    ~TOptionsData();
    TOptionsData(const TOptionsData&) = delete;
    TOptionsData& operator=(const TOptionsData&) = delete;

    void SetDefaults();
    // TickPeriod from SpeedMode: 0 slow (75 ms), 2 fast (37 ms), anything else normal (50 ms).
    void ApplySpeed();
    // From the file as read at start-up: missing or non-numeric keys give their defaults; values
    // are brought into their ranges.
    void Load();
    // Writes every key, keeping the file's other lines; a failure is reported. False when the file
    // was not written (the old one is then untouched).
    bool Save();

    int SpeedMode = 1;
    std::string FileName;
    std::int16_t GridSize = 8;
    std::int16_t TickPeriod = 50;
    std::int16_t MinWordSize = 3;
    bool RandomLetter = false;
    bool Background = true;
    // The landing cell and the grid's columns shown in play.
    bool Marker = true;
    int NumTexture = 0;
    std::string FontName = "Arial";
    int FontColorNum = 9;
    int SkinIndex = StartSkin;
    // None: the window starts at its default place.
    std::optional<FormPlace> Place;
    std::string PlayerName = texts::Text(texts::TextId::AnonymousPlayer);
    // Run by Save before it writes, so the window can give its skin and place as they are then.
    std::function<void(TOptionsData&)> BeforeSave;

private:
    PlayerFile file_;
};

} // namespace scrivel
