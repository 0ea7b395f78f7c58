#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AudioBackend.h"

namespace platform {

// Players that exist only in memory, for tests: every call is counted per file and written to a
// log ("open PATH", "play PATH", "stop PATH", "volume PATH -4850", "release PATH"), and the test
// ends a file's track by hand, which records an end and calls the end notice as a real track
// ending would. Main thread only.
class MemoryAudioBackend : public AudioBackend {
public:
    // What happened to one file, over all its players.
    struct FileRecord {
        int opens = 0;
        int plays = 0;
        int stops = 0;
        int releases = 0;
        int volumeCalls = 0;
        // The last accepted volume in hundredths of a decibel; a new player starts at full.
        int volume = 0;
    };

    AudioHandle Open(std::string_view path) override;
    void PlayFromStart(AudioHandle handle) override;
    void Stop(AudioHandle handle) override;
    bool SetVolume(AudioHandle handle, int hundredths) override;
    void Release(AudioHandle handle) override;
    void SetEndNotice(std::function<void()> notice) override;
    bool NotifyOnEnd(AudioHandle handle) override;
    bool TakeEnded(AudioHandle handle) override;

    // Every playing track of the file plays to its end; returns how many did.
    int EndTrack(std::string_view path);

    // The record of a file (an empty one for a file never opened).
    FileRecord Record(std::string_view path) const;
    bool IsPlaying(std::string_view path) const;
    // Ends recorded for the file's open players and not yet taken.
    int PendingEnds(std::string_view path) const;
    const std::vector<std::string>& Log() const { return log; }
    // The log lines that start with `verb` followed by a space, without that prefix.
    std::vector<std::string> LogOf(std::string_view verb) const;

    // Open makes no player.
    bool refuseOpen = false;
    // NotifyOnEnd fails.
    bool refuseNotice = false;

private:
    struct Track {
        std::string path;
        bool playing = false;
        bool notify = false;
        int ends = 0;
    };

    Track* Find(AudioHandle handle);
    void Note(std::string_view verb, const std::string& path);

    std::map<AudioHandle, Track> tracks;
    std::map<std::string, FileRecord, std::less<>> files;
    std::vector<std::string> log;
    std::function<void()> notice;
    AudioHandle nextHandle = 1;
};

} // namespace platform
