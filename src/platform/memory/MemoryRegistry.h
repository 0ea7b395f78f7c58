#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace platform {

// Stands in for the user's registry in tests: keys and values in memory, gone with the object.
// A key path is its parts between backslashes; a path with an empty part is refused.
class MemoryRegistry : public Registry {
public:
    bool KeyExists(std::string_view keyPath) const override;
    bool CreateKey(std::string_view keyPath) override;
    bool SetString(std::string_view keyPath, std::string_view name,
                   std::string_view value) override;
    bool GetString(std::string_view keyPath, std::string_view name,
                   std::string& value) const override;

private:
    std::set<std::string, std::less<>> keys;
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> values;
};

} // namespace platform
