#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "TempDir.h"
#include "game/PlayerSettings.h"

using namespace game;

namespace {

// Every key under its section and name, with the default the game has always read.
TEST(PlayerSettingsTest, MissingKeysGiveTheGamesDefaults) {
    TempDir dir;
    dir.Write("set.ini", "[other]\nkey=9\n");
    const PlayerSettings settings(dir.File("set.ini"));
    EXPECT_FALSE(settings.FullScreen());
    EXPECT_EQ(settings.Zoom(), std::nullopt);
    EXPECT_EQ(settings.WebAddress(1), "1");
    EXPECT_EQ(settings.WebAddress(3), "1");
    EXPECT_EQ(settings.SoundLevel(), 1);
    EXPECT_EQ(settings.MusicLevel(), 1);
    EXPECT_TRUE(settings.Slides());
    EXPECT_EQ(settings.MaxLevel(), 1);
}

TEST(PlayerSettingsTest, EveryKeyIsReadFromItsSectionAtEveryCall) {
    TempDir dir;
    const PlayerSettings settings(dir.File("set.ini"));
    dir.Write("set.ini", "[set]\nfullscreen=1\nzoom=150\nanimate=0\n"
                         "[website]\nweb1=a\nweb2=b\nweb3=c\n"
                         "[volume]\nsound=12\nmusic=3\n[board]\nmaxboard=266\n");
    EXPECT_TRUE(settings.FullScreen());
    EXPECT_EQ(settings.Zoom(), 150);
    EXPECT_FALSE(settings.Slides());
    EXPECT_EQ(settings.WebAddress(1) + settings.WebAddress(2) + settings.WebAddress(3), "abc");
    EXPECT_EQ(settings.SoundLevel(), 12);
    EXPECT_EQ(settings.MusicLevel(), 3);
    EXPECT_EQ(settings.MaxLevel(), 266);

    dir.Write("set.ini", "[set]\nfullscreen=2\nzoom=\n");
    EXPECT_FALSE(settings.FullScreen()) << "only 1 is full screen";
    EXPECT_EQ(settings.Zoom(), std::nullopt) << "an empty zoom is none";
}

TEST(PlayerSettingsTest, WritesKeepTheFilesFormat) {
    TempDir dir;
    const PlayerSettings settings(dir.File("set.ini"));
    EXPECT_TRUE(settings.SetFullScreen(true));
    EXPECT_TRUE(settings.SetZoom(200));
    EXPECT_TRUE(settings.SetSoundLevel(15));
    EXPECT_TRUE(settings.SetMusicLevel(0));
    EXPECT_TRUE(settings.SetStartedLevel(7));
    EXPECT_TRUE(settings.SetFullScreen(false));
    EXPECT_EQ(dir.Read("set.ini"),
              "[set]\nfullscreen=0\nzoom=200\n[volume]\nsound=15\nmusic=0\n[board]\nnboard=7\n");
}

} // namespace
