#include "puzzle/ProgressFile.h"

#include <algorithm>
#include <cerrno>

namespace puzzle {

namespace {

bool ReadInt32(std::FILE* file, std::int32_t& value) {
    unsigned char bytes[4];
    if (std::fread(bytes, 1, sizeof bytes, file) != sizeof bytes) {
        return false;
    }
    value = static_cast<std::int32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                      (static_cast<std::uint32_t>(bytes[3]) << 24));
    return true;
}

void AppendInt32(std::string& bytes, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>((bits >> shift) & 0xFF));
    }
}

} // namespace

ProgressFile::Status ProgressFile::Read(std::FILE* file, const Visitor& visit) {
    if (file == nullptr) {
        return errno == ENOENT ? Status::Missing : Status::CannotOpen;
    }
    std::int32_t count = 0;
    if (!ReadInt32(file, count)) {
        return Status::Ok;
    }
    // The game writes each level at most once; a count beyond any real file's is damage, and
    // reading a huge damaged file to its end would stall the start.
    count = std::min(count, kMaxEntries);
    std::int32_t entry = 0;
    for (std::int32_t i = 0; i < count && ReadInt32(file, entry); ++i) {
        if (!visit(entry)) {
            return Status::Ok;
        }
    }
    return Status::Ok;
}

std::string ProgressFile::Encode(const std::vector<std::int32_t>& levels) {
    std::string bytes;
    bytes.reserve(4 * (levels.size() + 1));
    AppendInt32(bytes, static_cast<std::int32_t>(levels.size()));
    for (const std::int32_t level : levels) {
        AppendInt32(bytes, level);
    }
    return bytes;
}

} // namespace puzzle
