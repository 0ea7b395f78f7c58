#pragma once

#include <map>
#include <memory>
#include <string>

#include "AssetManifest.h"
#include "Canvas.h"

namespace assetgen {

// The images being generated, by their path in the game folder ("Graphic/UI/desk.bmp"). Each
// canvas has the size the manifest gives for its path.
class ImageSet {
public:
    // A new transparent canvas for a manifest image; null for a path the manifest lacks (a
    // painter's typo is reported, not drawn off the record).
    Canvas* Add(const std::string& path);
    const Canvas* Find(const std::string& path) const;
    const std::map<std::string, std::unique_ptr<Canvas>>& All() const { return images; }

private:
    std::map<std::string, std::unique_ptr<Canvas>> images;
};

} // namespace assetgen
