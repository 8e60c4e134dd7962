#pragma once

#include "texts/language.h"

#include <string>

namespace scrivel::platform {

// This process's LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
texts::LocaleVariables ProcessLocaleVariables();

// Where the catalogues of a program in executableFolder (ending with '/') are: beside it in
// locale/ when it runs from a build or an unpacked archive, else the install's share/locale. For
// the word base maker and the game's usage; a game that plays asks GameFolders, which also knows
// whether it runs installed.
std::string CatalogueFolder(const std::string& executableFolder);

// From now on gettext answers domain's texts in language, from the catalogues under folder (laid
// out as share/locale: folder/en/LC_MESSAGES/domain.mo), in UTF-8. Call it once, before the first
// text is looked up. The language holds even where the system has no locale for it (a machine
// with only C.UTF-8): the texts need a catalogue, not a locale.
void UseCatalogue(const char* domain, texts::Language language, const std::string& folder);

} // namespace scrivel::platform
