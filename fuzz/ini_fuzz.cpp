// Any bytes as an INI file, then one key written into it: reading never fails, a written key reads
// back, no other key changes, and the saved text reads back as the same file.
#include "fuzz_file.h"
#include "platform/ini_file.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <string_view>

using scrivel::fuzz::Require;
using scrivel::platform::IniFile;

namespace {

// Letters and digits only: a name the writer can always write and the reader find again.
std::string PlainName(FuzzedDataProvider& input) {
    std::string name = input.ConsumeRandomLengthString(12);
    std::erase_if(name, [](char c) {
        return !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'));
    });
    return name;
}

std::string Trimmed(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    const std::string_view blanks = " \t\v\f";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = PlainName(input);
    const std::string key = PlainName(input);
    const std::string value = input.ConsumeRandomLengthString(40);
    const std::string otherSection = PlainName(input);
    const std::string otherKey = PlainName(input);
    const std::string text = input.ConsumeRemainingBytesAsString();

    IniFile ini("fuzz.ini", text);
    const std::string otherBefore = ini.ReadString(otherSection, otherKey, "\x01");
    ini.ReadInteger(section, key, 0);

    const IniFile reread("fuzz.ini", ini.Text());
    Require(reread.Text() == ini.Text(), "a saved file reads back as the same file");
    Require(reread.ReadString(otherSection, otherKey, "\x01") == otherBefore,
            "a saved key reads back");

    if (key.empty()) {
        return 0;
    }
    ini.WriteString(section, key, value);
    const std::string expected = Trimmed(value);
    Require(ini.ReadString(section, key, "\x01") == expected, "a written key reads back");
    auto same = [](const std::string& a, const std::string& b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) ==
                          std::tolower(static_cast<unsigned char>(y));
               });
    };
    if (!(same(section, otherSection) && same(key, otherKey))) {
        Require(ini.ReadString(otherSection, otherKey, "\x01") == otherBefore,
                "writing a key leaves the others alone");
    }
    const IniFile saved("fuzz.ini", ini.Text());
    Require(saved.ReadString(section, key, "\x01") == expected, "a written key survives a save");
    return 0;
}
