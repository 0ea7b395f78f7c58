#include "ImageSet.h"

#include <cstdio>

namespace assetgen {

Canvas* ImageSet::Add(const std::string& path) {
    const AssetSpec* spec = FindAsset(path);
    if (spec == nullptr || spec->width <= 0 || spec->height <= 0) {
        std::fprintf(stderr, "assetgen: %s is not an image of the manifest\n", path.c_str());
        return nullptr;
    }
    auto& slot = images[path];
    slot = std::make_unique<Canvas>(spec->width, spec->height);
    return slot.get();
}

const Canvas* ImageSet::Find(const std::string& path) const {
    const auto it = images.find(path);
    return it == images.end() ? nullptr : it->second.get();
}

} // namespace assetgen
