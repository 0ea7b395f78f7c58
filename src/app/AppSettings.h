#pragma once

#include <optional>
#include <string>

namespace app {

// The keys of the player's set.ini that the application reads and writes: the full-screen
// choice, the window's zoom and the web addresses. Every read opens the file and every write
// replaces it (platform::Settings), so nothing is cached and an edited file counts at once; the
// object holds only the path. The game's PlayerSettings adds its own keys.
class AppSettings {
public:
    explicit AppSettings(std::string path);

    const std::string& Path() const { return path; }

    // [set] fullscreen: the next start's display is the full screen when it is 1.
    bool FullScreen() const;
    // Writes "1" for full screen, "0" for a window.
    bool SetFullScreen(bool on) const;
    // [set] zoom in percent; none when the key is missing or empty.
    std::optional<int> Zoom() const;
    bool SetZoom(int percent) const;
    // [website] web1 to web3 (n); "1", which opens nothing anywhere, when the key is missing.
    std::string WebAddress(int n) const;

private:
    std::string path;
};

} // namespace app
