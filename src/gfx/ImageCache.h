#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace gfx {

class Surface;

// Bitmap surfaces shared between pictures, by full path. Pictures hold the surfaces; the cache
// only remembers them, so a surface lives as long as any picture uses it and never longer.
class ImageCache {
public:
    // The surface cached for `path`, or null when there is none or no picture holds it any more.
    std::shared_ptr<Surface> FindCachedSurface(std::string_view path) const;
    // Remembers `surface` for `path`; a live entry for the path stays as it is.
    void CacheSurface(std::string_view path, const std::shared_ptr<Surface>& surface);
    void ClearImageCache();
    std::size_t Size() const { return entries.size(); }

private:
    std::map<std::string, std::weak_ptr<Surface>, std::less<>> entries;
};

} // namespace gfx
