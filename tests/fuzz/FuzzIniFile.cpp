// Any bytes as a settings file: parsing and writing keep every other line, and a written value
// reads back.
#include <cstdint>
#include <string>

#include "formats/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    formats::IniFile file;
    file.Parse(text);
    for (const char* key : {"sound", "music", "fullscreen", "web1"}) {
        if (file.GetString("volume", key, "1").size() >= formats::IniFile::kValueBufferSize) {
            __builtin_trap();
        }
    }
    const std::string once = file.Text();
    formats::IniFile again;
    again.Parse(once);
    if (again.Text() != once) {
        __builtin_trap();
    }
    // A plain value written under a fixed key always reads back as written.
    const std::string value = "v" + std::to_string(size);
    if (!file.SetString("volume", "sound", value) ||
        (again.Parse(file.Text()), again.GetString("volume", "sound", "") != value)) {
        __builtin_trap();
    }
    return 0;
}
