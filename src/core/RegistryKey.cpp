#include "core/RegistryKey.h"

#include "platform/RegistryStore.h"

namespace core {

namespace {

platform::RegistryStore& Store() {
    static platform::RegistryStore store;
    return store;
}

} // namespace

RegistryKey::~RegistryKey() {
    Close();
}

long RegistryKey::Open(const std::string& path, bool openOnly) {
    Close();
    if (openOnly ? !Store().KeyExists(path) : !Store().CreateKey(path)) {
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
    return Store().SetString(subKey, name, text) ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
}

void RegistryKey::Close() {
    subKey.clear();
    open = false;
}

} // namespace core
