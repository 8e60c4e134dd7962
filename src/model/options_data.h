#pragma once

#include <cstdint>
#include <string>

namespace scrivel {

// The player's options, read from options.ini at start-up and written back when destroyed. The
// options screen changes the fields in place; the view and the game data read them.
class TOptionsData {
public:
    static constexpr int MinGridSize = 4;
    static constexpr int MaxGridSize = 12;
    static constexpr int MinMinWordSize = 3;
    static constexpr int MaxNumTexture = 8;
    static constexpr int MaxFontColorNum = 9;

    // Loads fileName, or creates it holding the defaults (a message box when it cannot be created).
    explicit TOptionsData(std::string fileName);
    // Saves, so the player's choices survive the run.
    ~TOptionsData();
    TOptionsData(const TOptionsData&) = delete;
    TOptionsData& operator=(const TOptionsData&) = delete;

    void SetDefaults();
    // TickPeriod from SpeedMode: 0 slow (75 ms), 2 fast (37 ms), anything else normal (50 ms).
    void ApplySpeed();
    // Missing or non-numeric keys give their defaults; values are brought into their ranges.
    void Load();
    // False when the file could not be written (the old file is then untouched).
    bool Save() const;

    int SpeedMode = 1;
    std::string FileName;
    std::int16_t GridSize = 8;
    std::int16_t TickPeriod = 50;
    std::int16_t MinWordSize = 3;
    bool RandomLetter = false;
    bool Background = true;
    int NumTexture = 0;
    std::string FontName = "Arial";
    int FontColorNum = 9;
};

} // namespace scrivel
