#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace scrivel::platform {

// The code point of the UTF-8 sequence that starts at text[i], with i moved past it. Nothing for a
// malformed sequence (a stray or missing continuation byte, an overlong form, a surrogate, a code
// point above U+10FFFF, a cut-off end); i then moves past its first byte only.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& i);

// text with every malformed sequence replaced by '?'.
std::string SanitiseUtf8(std::string_view text);

// UTF-8 to Latin-1: characters beyond U+00FF and malformed sequences (with the continuation bytes
// that follow them) become one '?' each.
std::string Utf8ToLatin1(std::string_view text);

} // namespace scrivel::platform
