#pragma once

#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace platform {

// The system's registry of the current user, below HKEY_CURRENT_USER.
//
// On Windows it is the registry itself. Elsewhere a key is the file
// $XDG_CONFIG_HOME/Software/Maker/Game.reg (or ~/.config/...), holding its values as
//   [values]
//   name=value
// and key paths whose parts are empty, ".", ".." or contain '/' are refused, as are names and
// values that would break the line format.
class RegistryStore : public Registry {
public:
    bool KeyExists(std::string_view keyPath) const override;
    bool CreateKey(std::string_view keyPath) override;
    bool SetString(std::string_view keyPath, std::string_view name,
                   std::string_view value) override;
    bool GetString(std::string_view keyPath, std::string_view name,
                   std::string& value) const override;
};

} // namespace platform
