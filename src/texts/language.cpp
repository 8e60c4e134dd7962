#include "texts/language.h"

namespace scrivel::texts {

namespace {

std::optional<std::string_view> Set(const std::optional<std::string>& variable) {
    if (!variable || variable->empty()) {
        return std::nullopt;
    }
    return std::string_view(*variable);
}

// A locale or language name such as "en", "en_GB.UTF-8" or "en@shaw" names English.
bool NamesEnglish(std::string_view name) {
    return name.substr(0, 2) == "en" &&
           (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@');
}

} // namespace

Language LanguageOf(const LocaleVariables& variables) {
    std::string_view locale = "C";
    for (const auto* variable : {&variables.all, &variables.messages, &variables.lang}) {
        if (const auto value = Set(*variable)) {
            locale = *value;
            break;
        }
    }
    // Only the plain C locale: gettext reads LANGUAGE under C.UTF-8, the default of many systems.
    const bool plain = locale == "C" || locale == "POSIX";
    if (const auto list = Set(variables.language); list && !plain) {
        return NamesEnglish(list->substr(0, list->find(':'))) ? Language::English
                                                              : Language::French;
    }
    return NamesEnglish(locale) ? Language::English : Language::French;
}

std::optional<Language> LanguageNamed(std::string_view code) {
    if (code == "fr") {
        return Language::French;
    }
    if (code == "en") {
        return Language::English;
    }
    return std::nullopt;
}

const char* Code(Language language) {
    return language == Language::English ? "en" : "fr";
}

std::string LanguageFileName(std::string_view name, Language language) {
    if (language == Language::French) {
        return std::string(name);
    }
    const std::size_t dot = name.rfind('.');
    const std::size_t stem = dot == std::string_view::npos ? name.size() : dot;
    return std::string(name.substr(0, stem)) + "-" + Code(language) +
           std::string(name.substr(stem));
}

} // namespace scrivel::texts
