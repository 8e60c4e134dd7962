#include "platform/ini_file.h"

#include "platform/file_system.h"
#include "platform/string_list.h"

#include <climits>
#include <string_view>
#include <utility>

namespace scrivel::platform {

namespace {

constexpr std::string_view kBlanks = " \t\v\f";

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

// Blank lines, comments and lines that are neither a section nor a key come back as Other.
ParsedLine Parse(std::string_view line) {
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == ';' || text.front() == '#') {
        return {};
    }
    if (text.front() == '[') {
        const size_t close = text.rfind(']');
        if (close == std::string_view::npos) {
            return {};
        }
        return {LineKind::Section, Trim(text.substr(1, close - 1)), {}};
    }
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    return {LineKind::Key, Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

// A line break in a name or value would let it start a line of its own (a new key or section).
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = AsciiLower(c);
    if (lower >= 'a' && lower <= 'f') {
        return lower - 'a' + 10;
    }
    return -1;
}

// Sign, then "0x"/"0X"/"$" and hex digits or decimal digits, nothing else; false on overflow.
bool ParseInteger(std::string_view text, int& result) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (const char c : text) {
        const int digit = base == 16 ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (digit < 0) {
            return false;
        }
        magnitude = magnitude * base + digit;
        if (magnitude > limit) {
            return false;
        }
    }
    result = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    SetText(ReadWholeFile(path_).value_or(std::string()));
}

IniFile::IniFile(std::string path, std::string_view text) : path_(std::move(path)) {
    SetText(text);
}

void IniFile::SetText(std::string_view text) {
    StringList lines;
    lines.SetText(text);
    lines_ = std::move(lines.Items());
    // A byte-order mark would hide the first section header. All of them go: one left behind would
    // hide it until a save dropped the mark before it, and the file would mean something else.
    while (!lines_.empty() && lines_.front().starts_with("\xEF\xBB\xBF")) {
        lines_.front().erase(0, 3);
    }
}

namespace {

// Index of the first header of section, or lines.size(). Later sections of the same name are
// ignored, as Windows does.
size_t FindSection(const std::vector<std::string>& lines, std::string_view section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = Parse(lines[i]);
        if (parsed.kind == LineKind::Section && EqualIgnoringCase(parsed.name, section)) {
            return i;
        }
    }
    return lines.size();
}

// The line after the section's last line: the next header, or the end of the file.
size_t SectionEnd(const std::vector<std::string>& lines, size_t header) {
    size_t i = header + 1;
    while (i < lines.size() && Parse(lines[i]).kind != LineKind::Section) {
        ++i;
    }
    return i;
}

} // namespace

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    const size_t header = FindSection(lines_, section);
    if (header == lines_.size()) {
        return def;
    }
    const size_t end = SectionEnd(lines_, header);
    for (size_t i = header + 1; i < end; ++i) {
        const ParsedLine parsed = Parse(lines_[i]);
        if (parsed.kind == LineKind::Key && EqualIgnoringCase(parsed.name, key)) {
            return std::string(parsed.value);
        }
    }
    return def;
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    const std::string text = ReadString(section, key, std::string());
    int value = 0;
    return ParseInteger(text, value) ? value : def;
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    const std::string cleanSection(Trim(OneLine(section)));
    const std::string cleanKey(Trim(OneLine(key)));
    const std::string cleanValue = OneLine(value);

    const size_t header = FindSection(lines_, cleanSection);
    if (header == lines_.size()) {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) {
            lines_.emplace_back();
        }
        lines_.push_back("[" + cleanSection + "]");
        lines_.push_back(cleanKey + "=" + cleanValue);
        return;
    }

    const size_t end = SectionEnd(lines_, header);
    size_t insertAt = header + 1;
    for (size_t i = header + 1; i < end; ++i) {
        const ParsedLine parsed = Parse(lines_[i]);
        if (parsed.kind != LineKind::Key) {
            continue;
        }
        if (EqualIgnoringCase(parsed.name, cleanKey)) {
            // The name keeps the spelling the file already had.
            lines_[i] = std::string(parsed.name) + "=" + cleanValue;
            return;
        }
        insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  cleanKey + "=" + cleanValue);
}

std::string IniFile::Text() const {
    std::string bytes;
    for (const std::string& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

FileWrite IniFile::Save() const {
    return WriteFileAtomically(path_, Text());
}

} // namespace scrivel::platform
