#include "formats/IniFile.h"

namespace formats {

namespace {

constexpr std::size_t npos = std::string::npos;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII-only folding: the bytes of double-byte characters must never change.
bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != npos;
}

} // namespace

void IniFile::Parse(std::string_view text) {
    lines.clear();
    newline = "\n";
    byteOrderMark = text.substr(0, 3) == kByteOrderMark;
    if (byteOrderMark) {
        text.remove_prefix(3);
    }
    const std::size_t firstBreak = text.find('\n');
    if (firstBreak != npos && firstBreak > 0 && text[firstBreak - 1] == '\r') {
        newline = "\r\n";
    }
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        while (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        text.remove_prefix(end == npos ? text.size() : end + 1);
    }
}

std::string IniFile::Text() const {
    std::string text = byteOrderMark ? std::string(kByteOrderMark) : std::string();
    for (const std::string& line : lines) {
        text += line;
        text += newline;
    }
    return text;
}

bool IniFile::ParseSection(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return false;
    }
    const std::size_t close = line.find(']');
    if (close == npos) {
        return false;
    }
    name = Trim(line.substr(1, close - 1));
    return true;
}

bool IniFile::ParseKey(std::string_view line, KeyLine& parsed) {
    line = Trim(line);
    if (line.empty() || line.front() == ';' || line.front() == '[') {
        return false;
    }
    const std::size_t equals = line.find('=');
    if (equals == npos) {
        return false;
    }
    parsed.key = Trim(line.substr(0, equals));
    parsed.value = Trim(line.substr(equals + 1));
    return !parsed.key.empty();
}

std::size_t IniFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view name;
        if (ParseSection(lines[i], name) && EqualNoCase(name, section)) {
            return i;
        }
    }
    return npos;
}

std::size_t IniFile::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    std::string_view name;
    while (i < lines.size() && !ParseSection(lines[i], name)) {
        ++i;
    }
    return i;
}

std::size_t IniFile::FindKey(std::size_t header, std::string_view key) const {
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        KeyLine parsed;
        if (ParseKey(lines[i], parsed) && EqualNoCase(parsed.key, key)) {
            return i;
        }
    }
    return npos;
}

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
    std::string_view value = fallback;
    const std::size_t header = FindSection(section);
    const std::size_t line = header == npos ? npos : FindKey(header, key);
    KeyLine parsed;
    if (line != npos && ParseKey(lines[line], parsed)) {
        value = parsed.value;
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
    }
    return std::string(value.substr(0, kValueBufferSize - 1));
}

bool IniFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key) ||
        section.find(']') != npos || key.find('=') != npos || key.front() == ';' ||
        key.front() == '[') {
        return false;
    }
    value = value.substr(0, value.find_first_of("\r\n"));
    std::string entry = std::string(key) + "=" + std::string(value);

    const std::size_t header = FindSection(section);
    if (header == npos) {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(std::move(entry));
        return true;
    }
    const std::size_t line = FindKey(header, key);
    if (line != npos) {
        lines[line] = std::move(entry);
        return true;
    }
    // New keys go after the section's last non-blank line, before any blank separator.
    std::size_t insertAt = SectionEnd(header);
    while (insertAt > header + 1 && Trim(lines[insertAt - 1]).empty()) {
        --insertAt;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
    return true;
}

} // namespace formats
