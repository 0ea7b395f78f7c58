#include <gtest/gtest.h>

#include <filesystem>

#include "OnWindows.h"
#include "TempDir.h"
#include "platform/Settings.h"

namespace {

TEST(SettingsTest, NumbersUseAtMostTheFirstFourCharacters) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {{"1", 1},     {"01", 1},    {"15", 15},   {"12345", 1234},
                          {"true", 0},  {"", 0},      {"  12", 12}, {"   12", 1},
                          {"    5", 0}, {"-3", -3},   {"+7", 7},    {"9x", 9},
                          {"- 3", 0},   {"0015", 15}, {"\t8", 8},   {"99999999", 9999}};
    for (const Case& c : cases) {
        EXPECT_EQ(platform::Settings::ToNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(SettingsTest, MissingFileGivesDefaultsAndTheFirstWriteCreatesIt) {
    TempDir dir;
    const std::string path = dir.File("set.ini");
    EXPECT_EQ(platform::Settings::ReadString(path, "website", "web1", "1"), "1");
    EXPECT_EQ(platform::Settings::ReadNumber(path, "volume", "sound", "1"), 1);
    EXPECT_FALSE(dir.Exists("set.ini")) << "reads never create the file";

    EXPECT_TRUE(platform::Settings::WriteNumber(path, "volume", "sound", 15));
    EXPECT_TRUE(platform::Settings::WriteString(path, "volume", "music", "3"));
    EXPECT_EQ(dir.Read("set.ini"), "[volume]\nsound=15\nmusic=3\n");
    EXPECT_EQ(platform::Settings::ReadNumber(path, "VOLUME", "Sound", "1"), 15);
}

TEST(SettingsTest, WritesReplaceTheFileWholeAndLeaveNoTemporaryFiles) {
    TempDir dir;
    dir.Write("set.ini", "[set]\nfullscreen=1\n");
    std::filesystem::permissions(dir.File("set.ini"), std::filesystem::perms(0640));
    EXPECT_TRUE(platform::Settings::WriteString(dir.File("set.ini"), "set", "fullscreen", "0"));
    EXPECT_EQ(dir.Read("set.ini"), "[set]\nfullscreen=0\n");
    if (!kOnWindows) {
        EXPECT_EQ(std::filesystem::status(dir.File("set.ini")).permissions(),
                  std::filesystem::perms(0640))
            << "the file's permissions are kept";
    }
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(SettingsTest, BackslashPathsReachTheSameFile) {
    TempDir dir;
    dir.Write("sub/set.ini", "[a]\nb=c\n");
    EXPECT_EQ(platform::Settings::ReadString(dir.Path() + "sub\\set.ini", "a", "b", ""), "c");
}

TEST(SettingsTest, UnreadableFileGivesDefaultsAndIsNeverOverwritten) {
    TempDir dir;
    // A folder in the file's place cannot be read as settings.
    dir.Write("set.ini/keep", "data");
    EXPECT_EQ(platform::Settings::ReadString(dir.File("set.ini"), "a", "b", "dflt"), "dflt");
    EXPECT_FALSE(platform::Settings::WriteString(dir.File("set.ini"), "a", "b", "c"));
    EXPECT_EQ(dir.Read("set.ini/keep"), "data");

    // An oversized file is refused as a whole rather than rewritten from part of it.
    dir.Write("big.ini", "[a]\nb=c\n" + std::string(platform::Settings::kMaxFileSize, ';'));
    EXPECT_EQ(platform::Settings::ReadString(dir.File("big.ini"), "a", "b", "dflt"), "dflt");
    EXPECT_FALSE(platform::Settings::WriteString(dir.File("big.ini"), "a", "b", "x"));
    EXPECT_EQ(std::filesystem::file_size(dir.File("big.ini")),
              8 + platform::Settings::kMaxFileSize);
}

} // namespace
