#pragma once

#include <map>
#include <memory>
#include <string>

#include "AssetManifest.h"
#include "Canvas.h"
#include "game/Layout.h"

namespace assetgen {

// The images being generated, by their path in the game folder ("Graphic/UI/desk.bmp"). Each
// canvas has the size the manifest gives for its path.
class ImageSet {
public:
    // A new transparent canvas for a manifest image; null for a path the manifest lacks (a
    // painter's typo is reported, not drawn off the record).
    Canvas* Add(const std::string& path);
    const Canvas* Find(const std::string& path) const;
    // The same for one of the game's fixed images, by the file its layout gives it.
    Canvas* Add(game::Image image) { return Add(game::Layout::Of(image).file); }
    const Canvas* Find(game::Image image) const { return Find(game::Layout::Of(image).file); }
    const std::map<std::string, std::unique_ptr<Canvas>>& All() const { return images; }

private:
    std::map<std::string, std::unique_ptr<Canvas>> images;
};

} // namespace assetgen
