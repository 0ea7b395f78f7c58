#include "encode/OutputTree.h"

#include <filesystem>
#include <utility>

#include "platform/FileSystem.h"

namespace assetgen {

OutputTree::OutputTree(std::string root) : root(std::move(root)) {}

bool OutputTree::Write(const std::string& relativePath, std::string_view bytes) {
    const std::filesystem::path path = std::filesystem::path(root) / relativePath;
    std::string existing;
    if (platform::ReadWholeFile(path.string(), existing, bytes.size() + 1) ==
            platform::ReadResult::Ok &&
        existing == bytes) {
        ++unchanged;
        return true;
    }
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (!platform::WriteFileAtomically(path.string(), bytes)) {
        return false;
    }
    ++written;
    return true;
}

bool OutputTree::WriteIfMissing(const std::string& relativePath, std::string_view bytes) {
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::path(root) / relativePath, error)) {
        ++unchanged;
        return true;
    }
    return Write(relativePath, bytes);
}

} // namespace assetgen
