#pragma once

#include <string>
#include <string_view>

namespace platform {

// The current user's registry: keys named by paths such as "Software\\Maker\\Game", holding
// string values. Every operation reports failure as false. RegistryStore is the system's;
// MemoryRegistry stands in for it in tests.
class Registry {
public:
    virtual ~Registry() = default;

    virtual bool KeyExists(std::string_view keyPath) const = 0;
    // Creates the key, and the keys above it, when missing; true if the key exists after.
    virtual bool CreateKey(std::string_view keyPath) = 0;
    // Adds or replaces a value of an existing key.
    virtual bool SetString(std::string_view keyPath, std::string_view name,
                           std::string_view value) = 0;
    virtual bool GetString(std::string_view keyPath, std::string_view name,
                           std::string& value) const = 0;
};

} // namespace platform
