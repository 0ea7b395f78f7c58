#include "platform/Folders.h"

#include <windows.h>

#include <shlobj.h>

#include <filesystem>

#include "platform/windows/WideText.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// The known folder's path; empty when the system has none.
std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path))) {
        folder = path;
    }
    ::CoTaskMemFree(path);
    return folder;
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Whether `inner` is `outer` or lies below it, without regard to case.
bool IsWithin(const std::wstring& inner, std::wstring outer) {
    if (outer.empty()) {
        return false;
    }
    if (outer.back() != L'\\') {
        outer += L'\\';
    }
    std::wstring folder = inner;
    if (folder.back() != L'\\') {
        folder += L'\\';
    }
    return folder.size() >= outer.size() &&
           ::CompareStringOrdinal(folder.c_str(), static_cast<int>(outer.size()), outer.c_str(),
                                  static_cast<int>(outer.size()), TRUE) == CSTR_EQUAL;
}

} // namespace

bool Folders::IsFile(std::string_view path) {
    const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string Folders::Normal(std::string_view path) {
    return Narrow(fs::path(Widen(path)).lexically_normal().wstring());
}

std::string Folders::UserData(std::string_view title) {
    const std::wstring home = KnownFolder(FOLDERID_RoamingAppData);
    if (home.empty() || !IsFolder(home)) {
        return {};
    }
    const std::wstring folder = home + L"\\" + Widen(title);
    if (!::CreateDirectoryW(folder.c_str(), nullptr) && !IsFolder(folder)) {
        return {};
    }
    return Narrow(folder) + "\\";
}

bool Folders::InProgramFiles(std::string_view folder) {
    if (folder.empty()) {
        return false;
    }
    const std::wstring path = fs::path(Widen(folder)).lexically_normal().wstring();
    return IsWithin(path, KnownFolder(FOLDERID_ProgramFiles)) ||
           IsWithin(path, KnownFolder(FOLDERID_ProgramFilesX86));
}

} // namespace platform
