#include "platform/UnifontFile.h"

#include "platform/FileSystem.h"
#include "platform/Folders.h"

namespace platform {

std::string UnifontFile::Find() {
    const std::string program = ExecutablePath();
    const std::size_t folderEnd = program.find_last_of("\\/");
    if (folderEnd == std::string::npos) {
        return {};
    }
    const std::string path = NativePath(program.substr(0, folderEnd + 1) + kShippedPath);
    return Folders::IsFile(path) ? path : std::string();
}

} // namespace platform
