#include "AssetManifest.h"

#include <algorithm>
#include <string_view>

#include "game/Layout.h"

namespace assetgen {
namespace {

static_assert(std::includes(kDesktopIconSizes.begin(), kDesktopIconSizes.end(),
                            kWindowsIconSizes.begin(), kWindowsIconSizes.end()),
              "the Windows icon is made of the desktop's pictures");

// Images the game draws whole, with no transparent pixel.
bool DrawnWhole(const std::string& path) {
    using game::Image;
    for (const Image opaque :
         {Image::BoardBackground, Image::MenuBackground, Image::Loading, Image::TitleBar}) {
        if (path == game::Layout::Of(opaque).file) {
            return true;
        }
    }
    return false;
}

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

AssetKind KindOf(const std::string& path) {
    if (EndsWith(path, ".png")) {
        return AssetKind::Png;
    }
    return DrawnWhole(path) ? AssetKind::OpaqueBmp : AssetKind::KeyedBmp;
}

// Every image of the game's layout, at the size the game loads it with. The level strips, all
// loaded together at every display set-up, are stored paletted.
void AddImages(std::vector<AssetSpec>& list) {
    for (const game::ImagePlace& place : game::Layout::AllImages()) {
        const bool levelStrip = place.file.rfind("Graphic/Board/", 0) == 0 && place.frames > 1;
        list.push_back(
            {place.file, KindOf(place.file), place.width, place.height, place.frames, levelStrip});
    }
}

std::vector<AssetSpec> Build() {
    std::vector<AssetSpec> list;
    AddImages(list);
    using K = AssetKind;
    list.push_back({"tpz.bmp", K::OpaqueBmp, 64, 64});
    list.push_back({"tovak-marudo.png", K::Png, 64, 64});
    for (const int size : kDesktopIconSizes) {
        list.push_back({DesktopIconPath(size), K::Png, size, size});
    }
    list.push_back({kScalableIconPath, K::Text});
    list.push_back({kWindowsIconPath, K::Icon, 256, 256});
    list.push_back({"Cursor.cur", K::Cursor, 32, 32});
    for (const char* track : {"begin", "board1", "board2", "board3"}) {
        list.push_back({std::string("Music/") + track + ".mp3", K::Mp3});
    }
    list.push_back({"Sound/btn.wav", K::Wav});
    list.push_back({"Help/index.html", K::Text});
    list.push_back({"set.ini", K::Text});
    list.push_back({"tovak-marudo.desktop", K::Text});
    return list;
}

} // namespace

std::string DesktopIconPath(int size) {
    const std::string side = std::to_string(size);
    return "icons/hicolor/" + side + "x" + side + "/apps/tovak-marudo.png";
}

const std::vector<AssetSpec>& AssetManifest() {
    static const std::vector<AssetSpec> list = Build();
    return list;
}

const AssetSpec* FindAsset(const std::string& path) {
    for (const AssetSpec& spec : AssetManifest()) {
        if (spec.path == path) {
            return &spec;
        }
    }
    return nullptr;
}

} // namespace assetgen
