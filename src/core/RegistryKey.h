#pragma once

#include <string>

namespace platform {
class Registry;
}

namespace core {

// Result codes of the registry calls under their published names and values.
constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_FILE_NOT_FOUND = 2;
constexpr long ERROR_ACCESS_DENIED = 5;
constexpr long ERROR_INVALID_HANDLE = 6;
constexpr long ERROR_INVALID_PARAMETER = 87;

// A key of the current user's registry store, opened by its path below the user's root.
class RegistryKey {
public:
    // The store must outlive the key.
    explicit RegistryKey(platform::Registry& store);
    virtual ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // ERROR_SUCCESS once open. With openOnly the key must exist (ERROR_FILE_NOT_FOUND);
    // otherwise it is created when missing (ERROR_ACCESS_DENIED when that fails). An open key
    // is closed first.
    long Open(const std::string& subKey, bool openOnly);
    // Stores a string value under the open key (ERROR_INVALID_HANDLE when none is open).
    long SetString(const std::string& name, const std::string& text);
    void Close();

private:
    platform::Registry& store;
    std::string subKey;
    bool open = false;
};

} // namespace core
