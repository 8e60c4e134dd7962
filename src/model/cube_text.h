#pragma once

#include <string>
#include <string_view>

namespace scrivel {

// What a row of letter cubes can show of a text. A cube draws A to Z (either case), 0 to 9 or a
// gap for a space; any other byte would come out as the digit 0's cube.
class CubeText {
public:
    // Ends a shortened text; the row draws it as dots in one cube's room.
    static constexpr std::string_view CutMark = "...";

    // utf8 in characters the cubes draw: an accented Latin letter as its plain letter (é as e,
    // œ as oe, Ÿ as Y), any other sign as a space.
    static std::string Plain(std::string_view utf8);

    // text when it has at most cells characters; otherwise as much of it as leaves one cell for
    // CutMark, without the spaces that would end the cut, then CutMark.
    static std::string Fit(std::string_view text, int cells);
};

} // namespace scrivel
