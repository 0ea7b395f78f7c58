#include <gtest/gtest.h>

#include "formats/IniFile.h"

namespace {

formats::IniFile Parsed(std::string_view text) {
    formats::IniFile file;
    file.Parse(text);
    return file;
}

TEST(IniFileTest, LookupIgnoresCaseAndBlanksAndTakesTheFirstMatch) {
    const formats::IniFile file = Parsed("; comment=ignored\n"
                                         "orphan=before any section\n"
                                         "[ Volume ]\n"
                                         "  Sound =  7  \n"
                                         "sound=8\n"
                                         "Music=\"12\"\n"
                                         "[volume]\n"
                                         "other=1\n"
                                         "[set]\n"
                                         "fullscreen=\n");
    EXPECT_EQ(file.GetString("volume", "sound", "x"), "7");
    EXPECT_EQ(file.GetString("VOLUME", "SOUND", "x"), "7");
    EXPECT_EQ(file.GetString("volume", "music", "x"), "12") << "quotes are removed";
    EXPECT_EQ(file.GetString("volume", "other", "x"), "x") << "only the first section counts";
    EXPECT_EQ(file.GetString("set", "fullscreen", "0"), "") << "present but empty";
    EXPECT_EQ(file.GetString("set", "missing", "0"), "0");
    EXPECT_EQ(file.GetString("nosuch", "sound", "1"), "1");
    EXPECT_EQ(file.GetString("volume", "orphan", "none"), "none");
    EXPECT_EQ(file.GetString("volume", "; comment", "none"), "none");
}

TEST(IniFileTest, CaseFoldingLeavesDoubleByteNamesAlone) {
    // "\xC4\xE3" and "\xE4\xE3" differ only in a bit that ASCII folding would flip in ASCII.
    const formats::IniFile file = Parsed("[\xC4\xE3]\nkey=1\n");
    EXPECT_EQ(file.GetString("\xC4\xE3", "KEY", "0"), "1");
    EXPECT_EQ(file.GetString("\xE4\xE3", "key", "0"), "0");
}

TEST(IniFileTest, ValuesAreCutToTheReadBuffer) {
    const std::string longValue(400, 'a');
    const formats::IniFile file = Parsed("[s]\nk=" + longValue + "\n");
    EXPECT_EQ(file.GetString("s", "k", ""), std::string(259, 'a'));
    EXPECT_EQ(file.GetString("s", "none", longValue), std::string(259, 'a'));
}

TEST(IniFileTest, WritesCreateSectionAndKeyAndKeepEveryOtherLine) {
    formats::IniFile file = Parsed("; my settings\n"
                                   "[website]\n"
                                   "web1=http://example.test/a\n"
                                   "\n"
                                   "[volume]\n"
                                   "SOUND=3\n");
    EXPECT_TRUE(file.SetString("volume", "sound", "9"));
    EXPECT_TRUE(file.SetString("website", "web2", "b"));
    EXPECT_TRUE(file.SetString("set", "fullscreen", "1"));
    EXPECT_EQ(file.Text(), "; my settings\n"
                           "[website]\n"
                           "web1=http://example.test/a\n"
                           "web2=b\n"
                           "\n"
                           "[volume]\n"
                           "sound=9\n"
                           "[set]\n"
                           "fullscreen=1\n");

    formats::IniFile empty;
    EXPECT_TRUE(empty.SetString("board", "nboard", "2"));
    EXPECT_EQ(empty.Text(), "[board]\nnboard=2\n");
}

TEST(IniFileTest, WindowsLineEndingsAndByteOrderMarkAreUnderstoodAndKept) {
    formats::IniFile file = Parsed("\xEF\xBB\xBF[volume]\r\nsound=4\r\n");
    EXPECT_EQ(file.GetString("volume", "sound", "1"), "4");
    EXPECT_TRUE(file.SetString("volume", "music", "5"));
    EXPECT_EQ(file.Text(), "\xEF\xBB\xBF[volume]\r\nsound=4\r\nmusic=5\r\n");
}

TEST(IniFileTest, WritesCannotInjectLines) {
    formats::IniFile file = Parsed("[volume]\nsound=1\n");
    EXPECT_TRUE(file.SetString("volume", "sound", "2\n[set]\nfullscreen=1"));
    EXPECT_EQ(file.Text(), "[volume]\nsound=2\n");
    EXPECT_FALSE(file.SetString("volume", "a=b", "1"));
    EXPECT_FALSE(file.SetString("vol]ume", "a", "1"));
    EXPECT_FALSE(file.SetString("volume", "a\nb", "1"));
    EXPECT_FALSE(file.SetString("", "a", "1"));
    EXPECT_FALSE(file.SetString("volume", " ", "1"));
    EXPECT_EQ(file.Text(), "[volume]\nsound=2\n");
}

} // namespace
