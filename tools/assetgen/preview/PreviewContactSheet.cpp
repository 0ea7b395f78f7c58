#include "preview/PreviewContactSheet.h"

#include <algorithm>
#include <cstdlib>

#include "Text.h"
#include "preview/PreviewComposer.h"

namespace assetgen {
namespace {

constexpr int kSheetWidth = 1640;
constexpr int kSheetHeight = 1400;
constexpr int kMargin = 12;
constexpr int kFrameGap = 4;
constexpr int kLabelHeight = 16;
const TextStyle kLabel{kPlain, 12, false, Colour{0.95, 0.95, 0.95, 1}};

// The number of a level image ("Graphic/Board/12.bmp" or ".../s12.bmp"), 0 for other images.
int LevelNumberOf(const std::string& path) {
    const std::string folder = "Graphic/Board/";
    if (path.rfind(folder, 0) != 0) {
        return 0;
    }
    std::size_t start = folder.size();
    if (start < path.size() && path[start] == 's') {
        ++start;
    }
    return std::atoi(path.c_str() + start);
}

struct Item {
    std::string path;
    int frames = 1;
    int frameWidth = 0;
    int width = 0;
    int height = 0;
};

struct Placement {
    Item item;
    int x = 0;
    int y = 0;
};

void Checkerboard(cairo_t* cr, int x, int y, int w, int h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (int cy = 0; cy < h; cy += 8) {
        for (int cx = 0; cx < w; cx += 8) {
            const bool light = ((cx / 8) + (cy / 8)) % 2 == 0;
            const double v = light ? 0.86 : 0.66;
            cairo_set_source_rgb(cr, v, v, v);
            cairo_rectangle(cr, x + cx, y + cy, 8, 8);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

std::string RenderSheet(const ImageSet& images, const std::vector<Placement>& placements,
                        int height) {
    PreviewComposer composer(images, kSheetWidth, height);
    cairo_t* cr = composer.Target().Cr();
    cairo_set_source_rgb(cr, 0.24, 0.24, 0.26);
    cairo_paint(cr);
    for (const Placement& p : placements) {
        DrawText(cr, kLabel, p.item.path, p.x, p.y);
        const int top = p.y + kLabelHeight;
        for (int f = 0; f < p.item.frames; ++f) {
            const int x = p.x + f * (p.item.frameWidth + kFrameGap);
            Checkerboard(cr, x, top, p.item.frameWidth, p.item.height);
            composer.Place(p.item.path, x, top, f + 1);
        }
    }
    return composer.Png();
}

} // namespace

std::vector<std::string> ContactSheetPaths(const ImageSet& images) {
    std::vector<std::string> paths;
    for (const AssetSpec& spec : AssetManifest()) {
        if (images.Find(spec.path) == nullptr) {
            continue;
        }
        const int level = LevelNumberOf(spec.path);
        if (level > 10 && level < 266) {
            continue;
        }
        paths.push_back(spec.path);
    }
    return paths;
}

std::vector<std::string> ContactSheets(const ImageSet& images) {
    std::vector<std::string> sheets;
    std::vector<Placement> placements;
    int x = kMargin;
    int y = kMargin;
    int rowHeight = 0;
    const Canvas measure(1, 1);
    auto flush = [&]() {
        if (!placements.empty()) {
            sheets.push_back(RenderSheet(images, placements, kSheetHeight));
            placements.clear();
        }
        x = kMargin;
        y = kMargin;
        rowHeight = 0;
    };
    for (const std::string& path : ContactSheetPaths(images)) {
        const AssetSpec* spec = FindAsset(path);
        const Canvas* canvas = images.Find(path);
        Item item{path, spec->frames, canvas->Width() / spec->frames, 0, canvas->Height()};
        item.width = item.frames * item.frameWidth + (item.frames - 1) * kFrameGap;
        const int labelWidth = static_cast<int>(MeasureText(measure.Cr(), kLabel, path).width) + 8;
        const int boxWidth = std::max(item.width, labelWidth);
        const int boxHeight = item.height + kLabelHeight;
        if (x + boxWidth > kSheetWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        if (y + boxHeight > kSheetHeight - kMargin) {
            flush();
        }
        placements.push_back({item, x, y});
        x += boxWidth + kMargin;
        rowHeight = std::max(rowHeight, boxHeight);
    }
    flush();
    return sheets;
}

} // namespace assetgen
