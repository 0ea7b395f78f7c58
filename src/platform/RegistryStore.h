#pragma once

#include <string>
#include <string_view>

namespace platform {

// The current user's registry: keys named by paths such as "Software\\Maker\\Game" below
// HKEY_CURRENT_USER, holding string values. Every operation reports failure as false.
//
// On Windows it is the registry itself. Elsewhere a key is the file
// $XDG_CONFIG_HOME/Software/Maker/Game.reg (or ~/.config/...), holding its values as
//   [values]
//   name=value
// and key paths whose parts are empty, ".", ".." or contain '/' are refused, as are names and
// values that would break the line format.
class RegistryStore {
public:
    bool KeyExists(std::string_view keyPath) const;
    // Creates the key, and the keys above it, when missing; true if the key exists after.
    bool CreateKey(std::string_view keyPath);
    // Adds or replaces a value of an existing key.
    bool SetString(std::string_view keyPath, std::string_view name, std::string_view value);
    bool GetString(std::string_view keyPath, std::string_view name, std::string& value) const;
};

} // namespace platform
