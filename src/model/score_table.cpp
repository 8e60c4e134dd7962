#include "model/score_table.h"

#include <algorithm>
#include <charconv>

namespace scrivel {

int ScoreOfLine(std::string_view line) {
    const size_t equals = line.rfind('=');
    if (equals == std::string_view::npos) {
        return 0;
    }
    const std::string_view digits = line.substr(equals + 1);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return 0;
    }
    return value;
}

int CompareScores(const std::string& a, const std::string& b) {
    // Wider than int so extreme scores cannot overflow the difference.
    const long long difference =
        static_cast<long long>(ScoreOfLine(b)) - static_cast<long long>(ScoreOfLine(a));
    return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

void LoadScores(std::string_view text, platform::StringList& scores) {
    scores.SetText(text);
    std::erase_if(scores.Items(), [](const std::string& line) { return line.empty(); });
}

int NewEntryIndex(const platform::StringList& scores, const std::string& line) {
    const auto& lines = scores.Items();
    const auto below = std::upper_bound(
        lines.begin(), lines.end(), line,
        [](const std::string& a, const std::string& b) { return CompareScores(a, b) < 0; });
    return static_cast<int>(below - lines.begin());
}

} // namespace scrivel
