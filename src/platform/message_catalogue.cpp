#include "platform/message_catalogue.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <libintl.h>
#include <optional>

#ifndef SCRIVEL_LOCALE_FROM_BIN
#error "the build says where the installed catalogues lie from the installed executables"
#endif

namespace scrivel::platform {

namespace {

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

} // namespace

texts::LocaleVariables ProcessLocaleVariables() {
    return {Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

std::string CatalogueFolder(const std::string& executableFolder) {
    std::error_code error;
    if (std::filesystem::is_directory(executableFolder + "locale", error)) {
        return executableFolder + "locale/";
    }
    return std::filesystem::path(executableFolder + SCRIVEL_LOCALE_FROM_BIN)
        .lexically_normal()
        .string();
}

void UseCatalogue(const char* domain, texts::Language language, const std::string& folder) {
    // Only the messages' category: numbers in the player's files keep the C locale's form.
    const char* locale = std::setlocale(LC_MESSAGES, "");
    if (locale == nullptr || std::strcmp(locale, "C") == 0 || std::strcmp(locale, "POSIX") == 0) {
        // gettext ignores LANGUAGE under C; C.UTF-8 is built into the C library.
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    }
    // LANGUAGE is where gettext looks first: the one chosen language, --lang's included.
    setenv("LANGUAGE", texts::Code(language), 1);
    bindtextdomain(domain, folder.c_str());
    bind_textdomain_codeset(domain, "UTF-8");
}

} // namespace scrivel::platform
