#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct AudioFile {
    std::string path;
    std::vector<std::uint8_t> bytes;
};

// "Music/begin.mp3", "Music/board1.mp3", "Music/board2.mp3", "Music/board3.mp3",
// "Sound/btn.wav"; the same bytes on every run. A file that cannot be made (the MP3 encoder
// refused) is left out, so the caller sees fewer than five.
std::vector<AudioFile> MakeAudioFiles();

} // namespace assetgen
