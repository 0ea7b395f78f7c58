#include <gtest/gtest.h>

#include "TempDir.h"
#include "puzzle/LevelBuilder.h"
#include "puzzle/LevelFile.h"

using namespace puzzle;

namespace {

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
    ASSERT_EQ(file.Read(dir.File("a.dat")), LevelFile::Status::Ok);
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
    EXPECT_EQ(file.Read(dir.File("missing.dat")), LevelFile::Status::CannotOpen);

    dir.Write("b.dat", Bytes({0x7C, 0x4E, 0, 1}) + std::string(20, '\1'));
    EXPECT_EQ(file.Read(dir.File("b.dat")), LevelFile::Status::BadMagic);

    dir.Write("c.dat", Bytes({0x7C, 0x4E}));
    EXPECT_EQ(file.Read(dir.File("c.dat")), LevelFile::Status::BadMagic);

    dir.Write("d.dat", "");
    EXPECT_EQ(file.Read(dir.File("d.dat")), LevelFile::Status::BadMagic);
}

TEST(LevelFileTest, ShortGridLeavesTheRestEmpty) {
    TempDir dir;
    dir.Write("short.dat", Bytes({0x7C, 0x4E, 0, 0, 4, 0, 0}));
    LevelFile file;
    ASSERT_EQ(file.Read(dir.File("short.dat")), LevelFile::Status::Ok);
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
    ASSERT_EQ(file.Read(dir.File("classic.dat")), LevelFile::Status::Ok);
    EXPECT_EQ(file.GetGrid(), grid);
}

TEST(LevelFileTest, PathUsesTheBoardFolderAndPlainDecimal) {
    ScopedExeDir exe;
    EXPECT_EQ(LevelFile::PathFor(1), exe.Dir().Path() + "Board\\1.dat");
    EXPECT_EQ(LevelFile::PathFor(267), exe.Dir().Path() + "Board\\267.dat");
}

} // namespace
