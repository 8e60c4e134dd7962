#pragma once

#include "texts/language.h"

#include <optional>
#include <span>
#include <string>

namespace scrivel {

// What a scrivel-words command line asks for: [--lang fr|en] LIST [OUTPUT].
struct WordsArguments {
    std::string list;                  // "-" is the standard input
    std::optional<std::string> output; // used as given; nothing for the player's own base
    texts::Language language = texts::Language::French;

    // The arguments after the command's name; spoken is the language when --lang is not given.
    // Nothing when they do not fit the usage (an unknown language included).
    static std::optional<WordsArguments> Parse(std::span<const std::string> arguments,
                                               texts::Language spoken);
};

} // namespace scrivel
