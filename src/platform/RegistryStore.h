#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// The current user's key/value store. A key path such as "Software\\Maker\\Game" is the file
// $XDG_CONFIG_HOME/Software/Maker/Game.reg (or ~/.config/...), holding string values as
//   [values]
//   name=value
// Key paths whose parts are empty, ".", ".." or contain '/' are refused, as are names and values
// that would break the line format. Every operation reports failure as false.
class RegistryStore {
public:
    bool KeyExists(std::string_view keyPath) const;
    // Creates the key's folders and an empty key file when missing; true if the key exists after.
    bool CreateKey(std::string_view keyPath);
    // Adds or replaces a value of an existing key, replacing the file atomically.
    bool SetString(std::string_view keyPath, std::string_view name, std::string_view value);
    bool GetString(std::string_view keyPath, std::string_view name, std::string& value) const;

private:
    using Values = std::vector<std::pair<std::string, std::string>>;

    // The key file's path and the folders above it, outermost first, below the store's root.
    struct KeyLocation {
        std::vector<std::string> folders;
        std::string file;
    };

    static bool Locate(std::string_view keyPath, KeyLocation& location);
    static bool ReadValues(const std::string& file, Values& values);
    static std::string FormatValues(const Values& values);
};

} // namespace platform
