#include "core/RegistryKey.h"

#include "platform/Registry.h"

namespace core {

RegistryKey::RegistryKey(platform::Registry& store) : store(store) {}

RegistryKey::~RegistryKey() {
    Close();
}

RegistryResult RegistryKey::Open(const std::string& path, bool openOnly) {
    Close();
    if (openOnly ? !store.KeyExists(path) : !store.CreateKey(path)) {
        return openOnly ? RegistryResult::NotFound : RegistryResult::AccessDenied;
    }
    subKey = path;
    open = true;
    return RegistryResult::Ok;
}

RegistryResult RegistryKey::SetString(const std::string& name, const std::string& text) {
    if (!open) {
        return RegistryResult::NotOpen;
    }
    return store.SetString(subKey, name, text) ? RegistryResult::Ok : RegistryResult::Refused;
}

void RegistryKey::Close() {
    subKey.clear();
    open = false;
}

} // namespace core
