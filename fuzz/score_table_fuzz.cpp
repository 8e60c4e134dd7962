// Any bytes as score.ini: the table holds every non-empty line of the file, once, ordered from the
// highest score down with ties in file order; saving it and reading it back gives the same table,
// and a new entry goes below the older ones of its score.
#include "fuzz_file.h"
#include "model/player_file.h"
#include "model/score_table.h"
#include "platform/string_list.h"

#include <algorithm>
#include <string_view>
#include <vector>

using scrivel::fuzz::Require;
using scrivel::platform::StringList;

namespace {

// The lines of text, split at CR, LF or CR LF, without the empty ones: what a reader must keep.
std::vector<std::string> Entries(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        const size_t stop = end == std::string_view::npos ? text.size() : end;
        if (stop > start) {
            lines.emplace_back(text.substr(start, stop - start));
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static scrivel::fuzz::MemoryFile file;
    const scrivel::PlayerFile player(file.Hold(data, size), scrivel::platform::ReadFile,
                                     scrivel::texts::TextId::EmptyScoresFallback);
    Require(player.HowItStarted() == scrivel::PlayerFile::Start::Read, "score.ini is read");
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Require(player.Text() == text, "score.ini is read whole");

    StringList scores;
    scrivel::LoadScores(player.Text(), scores);
    scores.Sort(scrivel::CompareScores);

    // Stable order by score: the expected table is the file's lines sorted the same way.
    std::vector<std::string> expected = Entries(text);
    std::stable_sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
        return scrivel::ScoreOfLine(a) > scrivel::ScoreOfLine(b);
    });
    Require(scores.Items() == expected, "every line is kept, highest score first");

    StringList reread;
    scrivel::LoadScores(scores.Text(), reread);
    Require(reread.Items() == scores.Items(), "a saved table reads back unchanged");

    const std::string entry =
        "fuzz=" + std::to_string(expected.empty() ? 0 : scrivel::ScoreOfLine(expected.back()));
    const int at = scrivel::NewEntryIndex(scores, entry);
    Require(at >= 0 && at <= scores.Count(), "a new entry goes inside the table");
    scores.Insert(at, entry);
    for (int i = 1; i < scores.Count(); ++i) {
        Require(scrivel::ScoreOfLine(scores[i - 1]) >= scrivel::ScoreOfLine(scores[i]),
                "the table stays ordered after a new entry");
    }
    Require(at + 1 == scores.Count() ||
                scrivel::ScoreOfLine(scores[at + 1]) < scrivel::ScoreOfLine(entry),
            "a new entry goes below the older ones of its score");
    return 0;
}
