#include "formats/RegistryFile.h"

namespace formats {

namespace {

constexpr std::string_view kSection = "[values]";

} // namespace

void RegistryFile::Parse(std::string_view text, Values& values) {
    bool inSection = false;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::size_t equals = line.find('=');
        if (!line.empty() && line.front() == '[') {
            inSection = line == kSection;
        } else if (inSection && equals != std::string_view::npos && equals > 0) {
            values.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        }
    }
}

std::string RegistryFile::Format(const Values& values) {
    std::string text(kSection);
    text += '\n';
    for (const auto& [name, value] : values) {
        text += name + '=' + value + '\n';
    }
    return text;
}

bool RegistryFile::IsValidName(std::string_view name) {
    return !name.empty() && name.front() != '[' &&
           name.find_first_of(std::string_view("=\r\n\0", 4)) == std::string_view::npos;
}

bool RegistryFile::IsValidValue(std::string_view value) {
    return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

} // namespace formats
