#include "platform/SystemDocumentOpener.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <cctype>

#include "platform/FileSystem.h"
#include "platform/windows/WideText.h"

namespace platform {
namespace {

// "http:", "file:", "mailto:" and the like: letters, digits, '+', '-' or '.' after a letter,
// then a colon; a drive letter ("C:") is one letter and no scheme.
bool HasScheme(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon < 2 ||
        std::isalpha(static_cast<unsigned char>(text[0])) == 0) {
        return false;
    }
    for (std::size_t i = 1; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (std::isalnum(c) == 0 && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

bool IsAbsolutePath(const std::string& text) {
    return (text.size() >= 3 && text[1] == ':' && (text[2] == '\\' || text[2] == '/')) ||
           text.rfind("\\\\", 0) == 0;
}

// A file of the game folder as a file:// address, its fragment kept.
std::string GameFolderAddress(const std::string& relative) {
    std::string folder = ExecutablePath();
    folder.resize(folder.find_last_of("\\/") + 1);
    std::string address = "file:///" + folder + relative;
    for (char& c : address) {
        c = c == '\\' ? '/' : c;
    }
    return address;
}

} // namespace

std::string SystemDocumentOpener::Target(const std::string& text) {
    return HasScheme(text) || IsAbsolutePath(text) ? text : GameFolderAddress(text);
}

bool SystemDocumentOpener::Open(const std::string& text) {
    if (!Accepts(text)) {
        return false;
    }
    const std::string target = Target(text);
    // Some of the shell's handlers are COM objects; the thread joins COM for the call if it had
    // not.
    const HRESULT com =
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, nullptr, Widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (SUCCEEDED(com)) {
        ::CoUninitialize();
    }
    // ShellExecute reports success as a value above 32.
    return result > 32;
}

} // namespace platform
