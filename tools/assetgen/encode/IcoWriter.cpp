#include "encode/IcoWriter.h"

#include <set>
#include <string_view>

#include "encode/LittleEndian.h"

namespace assetgen {
namespace {

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1A\n", 8);
constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;

// The directory's one-byte width and height, where 0 stands for 256.
char SizeByte(int size) {
    return static_cast<char>(size == IcoWriter::kMaxSize ? 0 : size);
}

} // namespace

bool IcoWriter::Valid(const std::vector<IconPicture>& pictures) {
    if (pictures.empty() || pictures.size() > 0xFFFF) {
        return false;
    }
    std::set<int> sizes;
    for (const IconPicture& picture : pictures) {
        if (picture.size < 1 || picture.size > kMaxSize || !sizes.insert(picture.size).second ||
            picture.png.compare(0, kPngSignature.size(), kPngSignature) != 0) {
            return false;
        }
    }
    return true;
}

std::string IcoWriter::Encode(const std::vector<IconPicture>& pictures) {
    if (!Valid(pictures)) {
        return {};
    }
    std::string out;
    Put16(out, 0); // reserved
    Put16(out, 1); // an icon, not a cursor
    Put16(out, static_cast<std::uint32_t>(pictures.size()));
    std::uint32_t offset =
        kDirectorySize + kEntrySize * static_cast<std::uint32_t>(pictures.size());
    for (const IconPicture& picture : pictures) {
        out.push_back(SizeByte(picture.size));
        out.push_back(SizeByte(picture.size));
        out.push_back(0); // no palette
        out.push_back(0); // reserved
        Put16(out, 1);    // colour planes
        Put16(out, 32);   // bits per pixel
        Put32(out, static_cast<std::uint32_t>(picture.png.size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(picture.png.size());
    }
    for (const IconPicture& picture : pictures) {
        out += picture.png;
    }
    return out;
}

} // namespace assetgen
