#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "TempDir.h"
#include "puzzle/LevelBuilder.h"
#include "puzzle/LevelFile.h"

using namespace puzzle;

namespace {

using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The file opened for reading; null when it cannot be opened.
FileHandle Open(const std::string& path) {
    return {std::fopen(path.c_str(), "rb"), &std::fclose};
}

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int v : values) {
        bytes.push_back(static_cast<char>(v));
    }
    return bytes;
}

TEST(LevelFileTest, ReadsTheGridColumnMajor) {
    TempDir dir;
    dir.Write("a.dat",
              Bytes({0x7C, 0x4E, 0, 0, 0, 0, 0, 2, 0}) + std::string(15, '\0') + Bytes({9, 9, 9}));
    LevelFile file;
    ASSERT_EQ(file.Read(Open(dir.File("a.dat")).get()), LevelFile::Status::Ok);
    EXPECT_EQ(file.GetGrid()[CellIndex(0, 3)], 2);
    int pieces = 0;
    for (const auto cell : file.GetGrid()) {
        pieces += cell != 0;
    }
    EXPECT_EQ(pieces, 1) << "bytes after the grid are never read";
}

TEST(LevelFileTest, RejectsMissingFilesAndWrongMagic) {
    TempDir dir;
    LevelFile file;
    EXPECT_EQ(file.Read(Open(dir.File("missing.dat")).get()), LevelFile::Status::CannotOpen);
    EXPECT_EQ(file.GetGrid(), LevelFile::Grid{});

    dir.Write("b.dat", Bytes({0x7C, 0x4E, 0, 1}) + std::string(20, '\1'));
    EXPECT_EQ(file.Read(Open(dir.File("b.dat")).get()), LevelFile::Status::BadMagic);

    dir.Write("c.dat", Bytes({0x7C, 0x4E}));
    EXPECT_EQ(file.Read(Open(dir.File("c.dat")).get()), LevelFile::Status::BadMagic);

    dir.Write("d.dat", "");
    EXPECT_EQ(file.Read(Open(dir.File("d.dat")).get()), LevelFile::Status::BadMagic);
}

TEST(LevelFileTest, ShortGridLeavesTheRestEmpty) {
    TempDir dir;
    dir.Write("short.dat", Bytes({0x7C, 0x4E, 0, 0, 4, 0, 0}));
    LevelFile file;
    ASSERT_EQ(file.Read(Open(dir.File("short.dat")).get()), LevelFile::Status::Ok);
    LevelFile::Grid expected{};
    expected[0] = 4;
    EXPECT_EQ(file.GetGrid(), expected);
}

TEST(LevelFileTest, EncodeWritesWhatReadReadsBack) {
    TempDir dir;
    const LevelFile::Grid grid = ClassicGrid();
    const std::string bytes = LevelFile::Encode(grid);
    ASSERT_EQ(bytes.size(), LevelFile::kFileSize);
    EXPECT_EQ(bytes.substr(0, 4), Bytes({0x7C, 0x4E, 0, 0}));
    dir.Write("classic.dat", bytes);
    LevelFile file;
    ASSERT_EQ(file.Read(Open(dir.File("classic.dat")).get()), LevelFile::Status::Ok);
    EXPECT_EQ(file.GetGrid(), grid);
}

} // namespace
