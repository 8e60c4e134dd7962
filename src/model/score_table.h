#pragma once

#include "platform/string_list.h"

#include <string>
#include <string_view>

namespace scrivel {

// score.ini holds one "name=score" line per entry, highest score first.

// The number after the line's last "="; 0 when there is none or it is not a decimal integer.
int ScoreOfLine(std::string_view line);

// Orders the table from the highest score down.
int CompareScores(const std::string& a, const std::string& b);

// Reads the table from path: empty lines are skipped; every other line is kept (a line without a
// readable score counts as 0), so no entry is lost. False when the file cannot be read.
bool LoadScores(const std::string& path, platform::StringList& scores);

} // namespace scrivel
