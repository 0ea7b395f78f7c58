#include "platform/RegistryStore.h"

#include <windows.h>

#include <memory>
#include <type_traits>

#include "platform/windows/WideText.h"

namespace platform {
namespace {

struct KeyCloser {
    void operator()(HKEY key) const noexcept { ::RegCloseKey(key); }
};
using KeyPtr = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

KeyPtr OpenKey(std::string_view keyPath, REGSAM access) {
    HKEY key = nullptr;
    if (keyPath.empty() || ::RegOpenKeyExW(HKEY_CURRENT_USER, Widen(keyPath).c_str(), 0, access,
                                           &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    return KeyPtr(key);
}

} // namespace

bool RegistryStore::KeyExists(std::string_view keyPath) const {
    return OpenKey(keyPath, KEY_READ) != nullptr;
}

bool RegistryStore::CreateKey(std::string_view keyPath) {
    HKEY key = nullptr;
    if (keyPath.empty() || ::RegCreateKeyExW(HKEY_CURRENT_USER, Widen(keyPath).c_str(), 0, nullptr,
                                             REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                                             nullptr) != ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(key);
    return true;
}

bool RegistryStore::SetString(std::string_view keyPath, std::string_view name,
                              std::string_view value) {
    const KeyPtr key = OpenKey(keyPath, KEY_SET_VALUE);
    if (!key || name.empty()) {
        return false;
    }
    const std::wstring data = Widen(value);
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(key.get(), Widen(name).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

bool RegistryStore::GetString(std::string_view keyPath, std::string_view name,
                              std::string& value) const {
    const KeyPtr key = OpenKey(keyPath, KEY_QUERY_VALUE);
    if (!key || name.empty()) {
        return false;
    }
    const std::wstring wideName = Widen(name);
    DWORD type = 0;
    DWORD bytes = 0;
    if (::RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return false;
    }
    std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(data.data()), &bytes) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return false;
    }
    // A stored string need not end in a terminator; one that does is cut there.
    data.resize(bytes / sizeof(wchar_t));
    if (const std::size_t end = data.find(L'\0'); end != std::wstring::npos) {
        data.resize(end);
    }
    value = Narrow(data);
    return true;
}

} // namespace platform
