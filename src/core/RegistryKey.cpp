#include "core/RegistryKey.h"

#include "platform/Registry.h"

namespace core {

RegistryKey::RegistryKey(platform::Registry& store) : store(store) {}

RegistryKey::~RegistryKey() {
    Close();
}

long RegistryKey::Open(const std::string& path, bool openOnly) {
    Close();
    if (openOnly ? !store.KeyExists(path) : !store.CreateKey(path)) {
        return openOnly ? ERROR_FILE_NOT_FOUND : ERROR_ACCESS_DENIED;
    }
    subKey = path;
    open = true;
    return ERROR_SUCCESS;
}

long RegistryKey::SetString(const std::string& name, const std::string& text) {
    if (!open) {
        return ERROR_INVALID_HANDLE;
    }
    return store.SetString(subKey, name, text) ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
}

void RegistryKey::Close() {
    subKey.clear();
    open = false;
}

} // namespace core
