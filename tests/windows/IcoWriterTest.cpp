// The icon file the asset generator writes for the Windows program: its directory byte by byte,
// the pictures it refuses, and a file Windows reads back at each of its sizes.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "IconPixels.h"
#include "ProgramModule.h"
#include "encode/IcoWriter.h"

namespace {

using assetgen::IconPicture;
using assetgen::IcoWriter;

const std::string kPng("\x89PNG\r\n\x1A\n", 8);
// The game program's icon, whose pictures the round trip writes.
constexpr int kGameIcon = 108;

std::uint32_t Read16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8;
}

std::uint32_t Read32(const std::string& bytes, std::size_t at) {
    return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}

TEST(IcoWriter, TheDirectoryPointsAtEveryPictureInOrder) {
    const std::vector<IconPicture> pictures = {
        {16, kPng + "sixteen"}, {256, kPng + "two hundred fifty-six"}, {48, kPng + "48"}};
    const std::string ico = IcoWriter::Encode(pictures);
    ASSERT_GE(ico.size(), 6u + 3 * 16);
    EXPECT_EQ(Read16(ico, 0), 0u);
    EXPECT_EQ(Read16(ico, 2), 1u) << "an icon, not a cursor";
    ASSERT_EQ(Read16(ico, 4), 3u);
    std::size_t next = 6 + 3 * 16;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int side = pictures[i].size == 256 ? 0 : pictures[i].size;
        EXPECT_EQ(static_cast<std::uint8_t>(ico[entry]), side) << i;
        EXPECT_EQ(static_cast<std::uint8_t>(ico[entry + 1]), side) << i;
        EXPECT_EQ(Read16(ico, entry + 4), 1u) << i;
        EXPECT_EQ(Read16(ico, entry + 6), 32u) << i;
        const std::uint32_t bytes = Read32(ico, entry + 8);
        const std::uint32_t offset = Read32(ico, entry + 12);
        EXPECT_EQ(bytes, pictures[i].png.size()) << i;
        EXPECT_EQ(offset, next) << i;
        EXPECT_EQ(ico.substr(offset, bytes), pictures[i].png) << i;
        next = offset + bytes;
    }
    EXPECT_EQ(ico.size(), next) << "nothing after the last picture";
}

TEST(IcoWriter, RefusesWhatNoIconFileCanHold) {
    EXPECT_TRUE(IcoWriter::Encode({}).empty());
    EXPECT_TRUE(IcoWriter::Encode({{0, kPng}}).empty());
    EXPECT_TRUE(IcoWriter::Encode({{257, kPng}}).empty());
    EXPECT_TRUE(IcoWriter::Encode({{32, kPng}, {32, kPng + "again"}}).empty()) << "a size twice";
    EXPECT_TRUE(IcoWriter::Encode({{32, "BM not a PNG"}}).empty());
    EXPECT_TRUE(IcoWriter::Encode({{32, ""}}).empty());
    EXPECT_FALSE(IcoWriter::Encode({{1, kPng}, {256, kPng}}).empty()) << "the smallest and largest";
}

IconPixels FromFile(const std::wstring& path, int size) {
    HANDLE icon = ::LoadImageW(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE);
    const IconPixels pixels = IconPixels::Of(static_cast<HICON>(icon));
    ::DestroyIcon(static_cast<HICON>(icon));
    return pixels;
}

// Windows takes each size's own picture from a written file: scaling another one down would
// give other pixels.
TEST(IcoWriter, WindowsReadsEachSizeOfAWrittenFile) {
    const ProgramModule program(ProgramModule::GameProgram());
    const std::string small = program.IconPicture(kGameIcon, 16);
    const std::string large = program.IconPicture(kGameIcon, 32);
    ASSERT_EQ(small.rfind(kPng, 0), 0u) << "the program's icon pictures are PNG";
    ASSERT_EQ(large.rfind(kPng, 0), 0u);

    wchar_t folder[MAX_PATH];
    ASSERT_GT(::GetTempPathW(MAX_PATH, folder), 0u);
    const std::wstring path = std::wstring(folder) + L"ico-writer-test.ico";
    std::ofstream(std::filesystem::path(path), std::ios::binary)
        << IcoWriter::Encode({{32, large}, {16, small}});

    for (const auto& [size, png] : {std::pair{16, small}, std::pair{32, large}}) {
        const IconPixels read = FromFile(path, size);
        const IconPixels expected = IconPixels::OfPicture(png, size);
        ASSERT_EQ(read.width, size);
        ASSERT_EQ(expected.width, size);
        EXPECT_TRUE(read.argb == expected.argb) << size << ": not its own picture's pixels";
    }
    ::DeleteFileW(path.c_str());
}

} // namespace
