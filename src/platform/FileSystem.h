#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Resource paths keep the game's backslash separators; this turns them into the host's.
std::string NativePath(std::string_view path);

// The one place files are opened. `path` may use backslashes. Returns null on failure.
FilePtr OpenFile(std::string_view path, const char* mode);

bool FileExists(std::string_view path);

enum class ReadResult { Ok, Missing, Failed };

// Reads a whole file of at most `maxBytes`; a larger file is Failed, not truncated, so that a
// caller never rewrites a file it has only seen part of.
ReadResult ReadWholeFile(std::string_view path, std::string& contents, std::size_t maxBytes);

// Replaces `path` with `data` through a temporary file in the same folder and a rename, so a
// crash leaves either the old or the new file, never a mix. The old file's permissions are kept.
// The temporary file, `path` + ".saving-" + six letters or digits, is locked while it is
// written.
bool WriteFileAtomically(std::string_view path, std::string_view data);

// Whether WriteFileAtomically(path, ...) can make its temporary file: makes one as it would and
// removes it again. A probe cut short leaves a temporary RemoveStaleTemporaries knows.
bool CanWriteAtomically(std::string_view path);

// Removes the temporary files that writes of `folder` + `name` left behind when their process
// died: regular files named `name` + ".saving-" + six letters or digits that no live writer holds
// locked. Returns how many went.
int RemoveStaleTemporaries(std::string_view folder, std::string_view name);

// Full path of the running executable (empty if it cannot be found).
std::string ExecutablePath();

} // namespace platform
