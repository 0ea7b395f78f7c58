#include "gfx/ImageCache.h"

namespace gfx {

std::shared_ptr<Surface> ImageCache::FindCachedSurface(std::string_view path) const {
    const auto entry = entries.find(path);
    return entry == entries.end() ? nullptr : entry->second.lock();
}

void ImageCache::CacheSurface(std::string_view path, const std::shared_ptr<Surface>& surface) {
    std::weak_ptr<Surface>& entry = entries[std::string(path)];
    if (entry.expired()) {
        entry = surface;
    }
}

void ImageCache::ClearImageCache() {
    entries.clear();
}

} // namespace gfx
