#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scrivel::texts {

// The languages Scrivel speaks and spells. French is the game's own: its texts are the source, its
// word base and score table keep their historical file names.
enum class Language { French, English };

// The locale variables gettext reads, each unset or as given.
struct LocaleVariables {
    std::optional<std::string> language; // LANGUAGE, a colon-separated list
    std::optional<std::string> all;      // LC_ALL
    std::optional<std::string> messages; // LC_MESSAGES
    std::optional<std::string> lang;     // LANG
};

// English when the first language the variables name is English, French otherwise. As gettext
// reads them: the locale is the first set and non-empty of LC_ALL, LC_MESSAGES and LANG; LANGUAGE
// comes before it, except under the C (or POSIX) locale, where gettext ignores it (not under
// C.UTF-8).
Language LanguageOf(const LocaleVariables& variables);

// The language a --lang value names ("fr" or "en"); nothing for any other value.
std::optional<Language> LanguageNamed(std::string_view code);

// "fr" or "en": the catalogue's folder under share/locale.
const char* Code(Language language);

// A file of the player's in this language: the name itself in French, "-en" before the extension
// in English ("score.ini" -> "score-en.ini").
std::string LanguageFileName(std::string_view name, Language language);

} // namespace scrivel::texts
