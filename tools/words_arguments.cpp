#include "words_arguments.h"

namespace scrivel {

std::optional<WordsArguments> WordsArguments::Parse(std::span<const std::string> arguments,
                                                    texts::Language spoken) {
    WordsArguments parsed;
    parsed.language = spoken;
    if (!arguments.empty() && arguments.front() == "--lang") {
        const auto named = arguments.size() > 1 ? texts::LanguageNamed(arguments[1]) : std::nullopt;
        if (!named) {
            return std::nullopt;
        }
        parsed.language = *named;
        arguments = arguments.subspan(2);
    }
    if (arguments.empty() || arguments.size() > 2) {
        return std::nullopt;
    }
    parsed.list = arguments[0];
    if (arguments.size() == 2) {
        parsed.output = arguments[1];
    }
    return parsed;
}

} // namespace scrivel
