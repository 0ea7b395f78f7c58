#include "puzzle/LevelFile.h"

namespace puzzle {

LevelFile::Status LevelFile::Read(std::FILE* file) {
    grid.fill(0);
    if (file == nullptr) {
        return Status::CannotOpen;
    }
    unsigned char magic[4] = {};
    if (std::fread(magic, 1, sizeof magic, file) != sizeof magic) {
        return Status::BadMagic;
    }
    const std::uint32_t value = magic[0] | (magic[1] << 8) | (magic[2] << 16) |
                                (static_cast<std::uint32_t>(magic[3]) << 24);
    if (static_cast<std::int32_t>(value) != kMagic) {
        return Status::BadMagic;
    }
    std::fread(grid.data(), 1, grid.size(), file);
    return Status::Ok;
}

std::string LevelFile::Encode(const Grid& grid) {
    std::string bytes;
    bytes.reserve(kFileSize);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>((kMagic >> shift) & 0xFF));
    }
    bytes.append(reinterpret_cast<const char*>(grid.data()), grid.size());
    return bytes;
}

} // namespace puzzle
