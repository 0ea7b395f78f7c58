#pragma once

#include <array>
#include <string>
#include <vector>

namespace assetgen {

enum class AssetKind {
    KeyedBmp,  // colour-keyed BMP: magenta is transparent
    OpaqueBmp, // BMP drawn whole
    Png,       // PNG with alpha
    Mp3,
    Wav,
    Cursor,
    Icon, // Windows icon file of PNG pictures
    Text, // html, ini, desktop entry
};

struct AssetSpec {
    // Relative to the game folder, with '/' separators.
    std::string path;
    AssetKind kind;
    int width = 0;
    int height = 0;
    // Frames side by side in the strip (1 for a single picture).
    int frames = 1;
    // Stored with a 256-colour palette: a third of the bytes to read and decode.
    bool paletted = false;
};

// The desktop's icons, in the icon theme's folder layout under icons/: the game icon at each
// size a theme asks for ("icons/hicolor/48x48/apps/tovak-marudo.png") and once as an SVG.
inline constexpr std::array<int, 8> kDesktopIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
inline constexpr const char* kScalableIconPath = "icons/hicolor/scalable/apps/tovak-marudo.svg";
std::string DesktopIconPath(int size);

// The Windows program's icon file, made of the desktop's pictures at the sizes Windows shows.
inline constexpr std::array<int, 7> kWindowsIconSizes = {16, 24, 32, 48, 64, 128, 256};
inline constexpr const char* kWindowsIconPath = "tovak-marudo.ico";

// Every file the generator writes into the game folder, with the size the game loads it with.
const std::vector<AssetSpec>& AssetManifest();
// The entry for a path, or null.
const AssetSpec* FindAsset(const std::string& path);

} // namespace assetgen
