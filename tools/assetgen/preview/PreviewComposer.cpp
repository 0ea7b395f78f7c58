#include "preview/PreviewComposer.h"

#include <vector>

#include "AssetManifest.h"
#include "Text.h"
#include "encode/BmpWriter.h"
#include "formats/PngEncoder.h"

namespace assetgen {
namespace {

// What the loader makes of the stored pixels: the key colour transparent, the rest opaque.
std::vector<std::uint32_t> AsLoaded(const std::vector<std::uint32_t>& pixels, AssetKind kind) {
    if (kind == AssetKind::Png) {
        return pixels;
    }
    const bool keyed = kind == AssetKind::KeyedBmp;
    std::vector<std::uint32_t> out =
        BmpWriter::Flatten(pixels, keyed ? Transparency::Keyed : Transparency::Opaque);
    for (std::uint32_t& p : out) {
        p = keyed && p == BmpWriter::kKey ? 0 : (0xFF000000u | p);
    }
    return out;
}

std::uint32_t To565(std::uint32_t p) {
    const std::uint32_t r = (p >> 16) & 0xF8;
    const std::uint32_t g = (p >> 8) & 0xFC;
    const std::uint32_t b = p & 0xF8;
    return (p & 0xFF000000u) | ((r | r >> 5) << 16) | ((g | g >> 6) << 8) | (b | b >> 5);
}

} // namespace

PreviewComposer::PreviewComposer(const ImageSet& images, int width, int height)
    : images(images), target(width, height) {
    cairo_set_source_rgb(target.Cr(), 0, 0, 0);
    cairo_paint(target.Cr());
}

const Canvas* PreviewComposer::Shown(const std::string& path) {
    auto it = shown.find(path);
    if (it != shown.end()) {
        return it->second.get();
    }
    const Canvas* source = images.Find(path);
    const AssetSpec* spec = FindAsset(path);
    if (source == nullptr || spec == nullptr) {
        return nullptr;
    }
    auto copy = std::make_unique<Canvas>(source->Width(), source->Height());
    copy->SetPixels(AsLoaded(source->Pixels(), spec->kind));
    return (shown[path] = std::move(copy)).get();
}

bool PreviewComposer::Place(const std::string& path, double x, double y, int frame, int width) {
    const Canvas* image = Shown(path);
    const AssetSpec* spec = FindAsset(path);
    if (image == nullptr || spec == nullptr) {
        return false;
    }
    const int frameWidth = image->Width() / spec->frames;
    const int drawn = width < 0 ? frameWidth : std::min(width, frameWidth);
    target.DrawPart(*image, (frame - 1) * frameWidth, 0, drawn, image->Height(), x, y);
    return true;
}

bool PreviewComposer::Place(const game::ImagePlace& place, int frame, int width) {
    const game::ScreenPoint at = game::Layout::OnScreen(place);
    return Place(place.file, at.x, at.y, frame, width);
}

void PreviewComposer::Write(std::string_view text, double x, double y, const Colour& colour) {
    TextStyle style{"Unifont", 16, false, colour};
    DrawText(target.Cr(), style, text, x, y);
}

std::string PreviewComposer::Png() const {
    std::vector<std::uint32_t> pixels = target.Pixels();
    for (std::uint32_t& p : pixels) {
        p = To565(p);
    }
    return formats::PngEncoder::Encode(target.Width(), target.Height(), pixels);
}

} // namespace assetgen
