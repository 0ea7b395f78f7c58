#include "platform/Settings.h"

#include "formats/IniFile.h"
#include "platform/FileSystem.h"

namespace platform {

std::string Settings::ReadString(std::string_view path, std::string_view section,
                                 std::string_view key, std::string_view fallback) {
    std::string text;
    formats::IniFile file;
    if (platform::ReadWholeFile(path, text, kMaxFileSize) == platform::ReadResult::Ok) {
        file.Parse(text);
    }
    return file.GetString(section, key, fallback);
}

int Settings::ReadNumber(std::string_view path, std::string_view section, std::string_view key,
                         std::string_view fallback) {
    return ToNumber(ReadString(path, section, key, fallback));
}

bool Settings::WriteString(std::string_view path, std::string_view section, std::string_view key,
                           std::string_view value) {
    std::string text;
    const platform::ReadResult read = platform::ReadWholeFile(path, text, kMaxFileSize);
    if (read == platform::ReadResult::Failed) {
        return false;
    }
    formats::IniFile file;
    file.Parse(text);
    if (!file.SetString(section, key, value)) {
        return false;
    }
    return platform::WriteFileAtomically(path, file.Text());
}

bool Settings::WriteNumber(std::string_view path, std::string_view section, std::string_view key,
                           int value) {
    return WriteString(path, section, key, std::to_string(value));
}

int Settings::ToNumber(std::string_view text) {
    text = text.substr(0, 4);
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

} // namespace platform
