#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "TempDir.h"
#include "audio/AudioOutput.h"
#include "audio/MediaPlayer.h"
#include "audio/SoundManager.h"
#include "platform/MessageQueue.h"
#include "platform/memory/MemoryAudioBackend.h"

using namespace audio;

// Music and sound on players in memory, in a game folder of its own (without set.ini). End
// notices are posted to `queue` and message boxes are collected as "caption: text".
class AudioFixture : public ::testing::Test {
protected:
    AudioFixture() {
        backend.SetEndNotice(
            [this] { queue.Post(platform::Event::Of(platform::EventKind::PlaybackEnded)); });
    }

    // An output on `chosen` (none: no players) whose message boxes are collected.
    AudioOutput OutputTo(platform::AudioBackend* chosen) {
        return AudioOutput(chosen, [this](const std::string& text, const std::string& caption) {
            boxes.push_back(caption + ": " + text);
        });
    }

    // The game folder, as the players are given it.
    const std::string& Folder() const { return game.Dir().Path(); }
    // A resource path as the game spells it.
    std::string Path(std::string_view relative) const { return Folder() + std::string(relative); }

    // Hands every posted notice to the sound manager, as the game does.
    void DeliverNotices(SoundManager& manager) {
        platform::Event event;
        while (queue.TryTake(event)) {
            ASSERT_EQ(event.kind, platform::EventKind::PlaybackEnded);
            manager.OnGraphNotify();
        }
    }

    TempGameFolder game;
    platform::MemoryAudioBackend backend;
    platform::MessageQueue queue;
    std::vector<std::string> boxes;
    // The players' output on the in-memory backend.
    const AudioOutput output = OutputTo(&backend);
};
