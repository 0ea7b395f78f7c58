#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "Canvas.h"
#include "Colour.h"
#include "ImageSet.h"
#include "game/Layout.h"

namespace assetgen {

// Composes a screen picture from the generated images as the game draws them: colour-keyed
// images with their transparent pixels skipped and the rest opaque, opaque images whole, PNGs
// blended by their alpha; the result reduced to the game's 16-bit colour.
class PreviewComposer {
public:
    PreviewComposer(const ImageSet& images, int width, int height);

    // The image as the game shows it, or null when it was not painted.
    const Canvas* Shown(const std::string& path);
    // Draws frame `frame` (1-based) of a strip at (x, y), at most `width` pixels of it when
    // `width` is not negative; false when the image is missing.
    bool Place(const std::string& path, double x, double y, int frame = 1, int width = -1);
    // The same at the image's place on the screen in the game's layout.
    bool Place(const game::ImagePlace& place, int frame = 1, int width = -1);
    // Text as the game writes it: Unifont 16 px, top-left at (x, y).
    void Write(std::string_view text, double x, double y, const Colour& colour);

    Canvas& Target() { return target; }
    // The picture as PNG bytes, in the colours a 5-6-5 back buffer shows.
    std::string Png() const;

private:
    const ImageSet& images;
    Canvas target;
    std::map<std::string, std::unique_ptr<Canvas>> shown;
};

} // namespace assetgen
