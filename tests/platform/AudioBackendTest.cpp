#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/MemoryAudioBackend.h"

namespace {

using platform::AudioBackend;
using platform::MemoryAudioBackend;

TEST(AudioBackendTest, HundredthsOfADecibelBecomeTheMixersLinearVolume) {
    EXPECT_EQ(AudioBackend::LinearVolume(0), 128);
    EXPECT_EQ(AudioBackend::LinearVolume(-600), 64);  // 128 * 0.501
    EXPECT_EQ(AudioBackend::LinearVolume(-1000), 40); // 128 * 0.316
    EXPECT_EQ(AudioBackend::LinearVolume(-2000), 13); // 12.8 rounds up
    EXPECT_EQ(AudioBackend::LinearVolume(-4500), 1);  // 0.72 rounds up
    EXPECT_EQ(AudioBackend::LinearVolume(-4900), 1) << "level 1 is quiet, not silent";
    EXPECT_EQ(AudioBackend::LinearVolume(-5250), 0) << "level 0 is silent";
    EXPECT_EQ(AudioBackend::LinearVolume(-2147483647), 0);
}

// The in-memory players behave as the real ones do where the music rules depend on it.
TEST(MemoryAudioBackendTest, OnlyPlayingTracksEndAndStopOrPlayDropsAnEndNotTaken) {
    MemoryAudioBackend backend;
    int notices = 0;
    backend.SetEndNotice([&] { ++notices; });
    const auto track = backend.Open("Music\\a.mp3");
    ASSERT_TRUE(backend.NotifyOnEnd(track));

    EXPECT_EQ(backend.EndTrack("Music\\a.mp3"), 0);
    backend.PlayFromStart(track);
    EXPECT_EQ(backend.EndTrack("Music\\a.mp3"), 1);
    EXPECT_EQ(notices, 1);
    EXPECT_FALSE(backend.IsPlaying("Music\\a.mp3"));
    EXPECT_TRUE(backend.TakeEnded(track));
    EXPECT_FALSE(backend.TakeEnded(track));

    backend.PlayFromStart(track);
    backend.EndTrack("Music\\a.mp3");
    backend.Stop(track);
    EXPECT_FALSE(backend.TakeEnded(track));
    backend.PlayFromStart(track);
    backend.EndTrack("Music\\a.mp3");
    backend.PlayFromStart(track);
    EXPECT_FALSE(backend.TakeEnded(track));
}

} // namespace
