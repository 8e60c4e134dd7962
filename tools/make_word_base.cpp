// Builds words.let, the game's word base, from a UTF-8 word list with one word per line (the
// system's French dictionary): every word of at least three letters written only with a..z and the
// accented vowels that the game folds, in Latin-1, each followed by '/', in the order of the
// source.
//
// Usage: make_word_base <source word list> <words.let to write>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace {

constexpr size_t MinLength = 3;

// The accented vowels the game turns into plain ones before play, as Latin-1 bytes.
constexpr std::string_view FoldedVowels = "\xE2\xE0\xE9\xE8\xEA\xEB\xEE\xEF\xF4\xF6\xFB\xFC\xF9";

bool Allowed(unsigned char latin1) {
    return (latin1 >= 'a' && latin1 <= 'z') ||
           FoldedVowels.find(static_cast<char>(latin1)) != std::string_view::npos;
}

// The word in Latin-1, or nothing when it holds a character the game cannot use (or is not valid
// UTF-8).
std::optional<std::string> ToGameWord(std::string_view utf8) {
    std::string word;
    for (size_t i = 0; i < utf8.size(); ++i) {
        auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte == 0xC3 && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[i + 1]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            byte = static_cast<unsigned char>(0xC0 | (next & 0x3F));
            ++i;
        } else if (byte >= 0x80) {
            return std::nullopt;
        }
        if (!Allowed(byte)) {
            return std::nullopt;
        }
        word += static_cast<char>(byte);
    }
    return word;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_word_base <source word list> <words.let to write>\n";
        return 2;
    }
    const std::string sourcePath = argv[1];
    const std::filesystem::path outputPath = argv[2];

    std::ifstream source(sourcePath, std::ios::binary);
    if (!source) {
        std::cerr << "make_word_base: cannot read the word list " << sourcePath
                  << " (on Debian it comes with the package wfrench)\n";
        return 1;
    }

    std::string output;
    std::map<size_t, int> perLength;
    int total = 0;
    std::string line;
    while (std::getline(source, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::optional<std::string> word = ToGameWord(line);
        if (!word || word->size() < MinLength) {
            continue;
        }
        output += *word;
        output += '/';
        ++perLength[word->size()];
        ++total;
    }
    if (source.bad()) {
        std::cerr << "make_word_base: error while reading " << sourcePath << "\n";
        return 1;
    }

    // Written beside the target and renamed over it, so a failed run never leaves half a base that
    // the build would then take as up to date.
    std::filesystem::path temporary = outputPath;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(output.data(), static_cast<std::streamsize>(output.size()));
        out.close();
        if (!out) {
            std::cerr << "make_word_base: cannot write " << temporary << "\n";
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, outputPath, error);
    if (error) {
        std::cerr << "make_word_base: cannot write " << outputPath << ": " << error.message()
                  << "\n";
        std::filesystem::remove(temporary, error);
        return 1;
    }

    int shortWords = 0;
    std::ostringstream report;
    report << "make_word_base: " << total << " words written to " << outputPath.string() << "\n";
    for (const auto& [length, count] : perLength) {
        report << "  " << length << " letters: " << count << "\n";
        if (length <= 8) {
            shortWords += count;
        }
    }
    report << "  3 to 8 letters (the game's lists): " << shortWords << "\n";
    std::cout << report.str();
    return 0;
}
