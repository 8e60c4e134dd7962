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

// Reads the table from the text of score.ini: empty lines are skipped; every other line is kept (a
// line without a readable score counts as 0), so no entry is lost.
void LoadScores(std::string_view text, platform::StringList& scores);

// Where a new entry goes in a table sorted by CompareScores: below every entry of the same score,
// so an older entry keeps its place.
int NewEntryIndex(const platform::StringList& scores, const std::string& line);

} // namespace scrivel
