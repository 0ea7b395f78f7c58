#include "platform/FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <random>

#include "platform/SavingFileName.h"
#include "platform/windows/WideText.h"

namespace platform {

std::string NativePath(std::string_view path) {
    std::string native(path);
    std::replace(native.begin(), native.end(), '/', '\\');
    return native;
}

FilePtr OpenFile(std::string_view path, const char* mode) {
    return FilePtr(::_wfopen(Widen(NativePath(path)).c_str(), Widen(mode).c_str()));
}

bool FileExists(std::string_view path) {
    return ::GetFileAttributesW(Widen(NativePath(path)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const noexcept { ::CloseHandle(handle); }
};
using HandlePtr = std::unique_ptr<void, HandleCloser>;

std::string RandomSuffix() {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix(SavingFileName::kSuffixLength, ' ');
    for (char& c : suffix) {
        c = kLetters[pick(random)];
    }
    return suffix;
}

bool LockWhole(HANDLE file, DWORD flags) {
    OVERLAPPED from{};
    return ::LockFileEx(file, flags, 0, MAXDWORD, MAXDWORD, &from) != FALSE;
}

bool DeletePending(HANDLE file) {
    FILE_STANDARD_INFO info{};
    return ::GetFileInformationByHandleEx(file, FileStandardInfo, &info, sizeof info) == FALSE ||
           info.DeletePending != FALSE;
}

// Makes and locks a new temporary file beside `target`; `temp` is its name. The file may be
// shared for deletion, so that it can be renamed over the target while it is still open and
// locked. A cleaner may mark it for deletion between its creation and the lock; then it is made
// again. Null when no file can be made.
HandlePtr CreateLockedTemporary(const std::string& target, std::wstring& temp, DWORD flags = 0) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        temp = Widen(target + std::string(SavingFileName::kMark) + RandomSuffix());
        HANDLE file = ::CreateFileW(temp.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | flags, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (::GetLastError() == ERROR_FILE_EXISTS) {
                continue;
            }
            return nullptr;
        }
        HandlePtr handle(file);
        if (LockWhole(file, LOCKFILE_EXCLUSIVE_LOCK) && !DeletePending(file)) {
            return handle;
        }
    }
    return nullptr;
}

bool WriteAll(HANDLE file, std::string_view data) {
    while (!data.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, data.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        data.remove_prefix(written);
    }
    return true;
}

// Deletes the open file once its last handle goes.
bool MarkForDeletion(HANDLE file) {
    FILE_DISPOSITION_INFO disposition{TRUE};
    return ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                        sizeof disposition) != FALSE;
}

} // namespace

bool WriteFileAtomically(std::string_view path, std::string_view data) {
    const std::string target = NativePath(path);
    std::wstring temp;
    HandlePtr file = CreateLockedTemporary(target, temp);
    if (!file) {
        return false;
    }
    // FlushFileBuffers returns once the data is on the disk; the rename, written through, then
    // puts the whole new file in place of the old one, which a crash leaves whole until then.
    const bool ok = WriteAll(file.get(), data) && ::FlushFileBuffers(file.get()) &&
                    ::MoveFileExW(temp.c_str(), Widen(target).c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        MarkForDeletion(file.get());
    }
    return ok;
}

bool CanWriteAtomically(std::string_view path) {
    std::wstring temp;
    return CreateLockedTemporary(NativePath(path), temp, FILE_FLAG_DELETE_ON_CLOSE) != nullptr;
}

int RemoveStaleTemporaries(std::string_view folder, std::string_view name) {
    std::string native = NativePath(folder);
    if (!native.empty() && native.back() != '\\') {
        native += '\\';
    }
    const std::wstring pattern =
        Widen(native + std::string(name) + std::string(SavingFileName::kMark) + "*");
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return 0;
    }
    int removed = 0;
    do {
        const std::string entry = Narrow(found.cFileName);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
            !SavingFileName::IsOf(entry, name)) {
            continue;
        }
        // Only a file no writer holds locked is stale; it goes once this handle closes.
        HANDLE file = ::CreateFileW(Widen(native + entry).c_str(), GENERIC_READ | DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            continue;
        }
        const HandlePtr handle(file);
        if (LockWhole(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY) &&
            MarkForDeletion(file)) {
            ++removed;
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return removed;
}

std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

} // namespace platform
