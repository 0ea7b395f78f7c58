#pragma once

#include <string>

namespace platform {
class Registry;
}

namespace core {

// What a registry call did.
enum class RegistryResult {
    Ok,
    NotFound,     // the key to open does not exist
    AccessDenied, // the key could not be created
    NotOpen,      // no key is open to write to
    Refused,      // the store did not take the value
};

// A key of the current user's registry store, opened by its path below the user's root.
class RegistryKey {
public:
    // The store must outlive the key.
    explicit RegistryKey(platform::Registry& store);
    virtual ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Ok once open. With openOnly the key must exist (NotFound); otherwise it is created when
    // missing (AccessDenied when that fails). An open key is closed first.
    RegistryResult Open(const std::string& subKey, bool openOnly);
    // Stores a string value under the open key (NotOpen when none is open).
    RegistryResult SetString(const std::string& name, const std::string& text);
    void Close();

private:
    platform::Registry& store;
    std::string subKey;
    bool open = false;
};

} // namespace core
