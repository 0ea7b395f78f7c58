#include "platform/memory/MemoryRegistry.h"

namespace platform {

namespace {

// No part of the path is empty.
bool IsValidPath(std::string_view path) {
    return !path.empty() && path.front() != '\\' && path.back() != '\\' &&
           path.find("\\\\") == std::string_view::npos;
}

} // namespace

bool MemoryRegistry::KeyExists(std::string_view keyPath) const {
    return keys.contains(keyPath);
}

bool MemoryRegistry::CreateKey(std::string_view keyPath) {
    if (!IsValidPath(keyPath)) {
        return false;
    }
    // Every key above it exists as well.
    for (std::size_t end = keyPath.find('\\'); end != std::string_view::npos;
         end = keyPath.find('\\', end + 1)) {
        keys.emplace(keyPath.substr(0, end));
    }
    keys.emplace(keyPath);
    return true;
}

bool MemoryRegistry::SetString(std::string_view keyPath, std::string_view name,
                               std::string_view value) {
    if (!KeyExists(keyPath)) {
        return false;
    }
    values[std::string(keyPath)][std::string(name)] = std::string(value);
    return true;
}

bool MemoryRegistry::GetString(std::string_view keyPath, std::string_view name,
                               std::string& value) const {
    const auto key = values.find(keyPath);
    if (key == values.end()) {
        return false;
    }
    const auto found = key->second.find(name);
    if (found == key->second.end()) {
        return false;
    }
    value = found->second;
    return true;
}

} // namespace platform
