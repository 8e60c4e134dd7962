#pragma once

#include <string>
#include <vector>

namespace scrivel::platform {

// The font families installed on the machine, as fontconfig knows them, and the Windows names the
// game asks for mapped to installed look-alikes.
class FontCatalogue {
public:
    // The game's default font, always listed.
    static constexpr char kDefaultFamily[] = "Arial";

    // Reads the families now: only scalable outline fonts, which a Canvas can draw at any size,
    // that have the game's letters and digits, plus kDefaultFamily; one entry per family, sorted
    // without regard to case (then by bytes), so the order is the same on every run.
    FontCatalogue();

    const std::vector<std::string>& Families() const { return families_; }

    // Adds rules to fontconfig's current configuration so that "Arial", "Times New Roman",
    // "Garamond", "Verdana" and "Lucida Console" find Liberation Sans, Liberation Serif,
    // EB Garamond, DejaVu Sans and DejaVu Sans Mono. Run once at start-up, before any text is
    // drawn. False when fontconfig refuses the rules (the names then get its usual substitutes).
    static bool RegisterAliases();

    // The family fontconfig picks for a name; for an unknown name, its substitute.
    static std::string MatchFamily(const std::string& name);

private:
    std::vector<std::string> families_;
};

} // namespace scrivel::platform
