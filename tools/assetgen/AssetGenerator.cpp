#include "AssetGenerator.h"

#include <cstdio>
#include <filesystem>
#include <future>
#include <utility>

#include "audio/AudioAssets.h"
#include "encode/BmpWriter.h"
#include "encode/IcoWriter.h"
#include "formats/PngEncoder.h"
#include "marks/DesktopIcons.h"

using namespace puzzle;

namespace assetgen {

AssetGenerator::AssetGenerator(std::string distDir, std::string previewDir)
    : distDir(std::filesystem::absolute(distDir).lexically_normal().string()), dist(distDir),
      preview(std::move(previewDir)) {}

bool AssetGenerator::LoadLevels(const std::string& path) {
    LevelSetFile::Result result = LevelSetFile::Load(path);
    if (!result.Ok()) {
        std::fprintf(stderr, "assetgen: %s: %s\n", path.c_str(), result.error.c_str());
        return false;
    }
    levels = std::move(result.levels);
    return true;
}

bool AssetGenerator::Run() {
    // Music takes longest; it is made on a second thread while the images are drawn.
    auto audio = std::async(std::launch::async, MakeAudioFiles);
    PaintImages();
    bool ok = WriteImages();
    ok = WriteTextFiles() && ok;
    ok = WriteWindowsIcon() && ok;
    for (const AudioFile& file : audio.get()) {
        ok =
            dist.Write(file.path, std::string_view(reinterpret_cast<const char*>(file.bytes.data()),
                                                   file.bytes.size())) &&
            ok;
    }
    WritePreviews(images, levels, preview);
    return ok;
}

void AssetGenerator::PaintImages() {
    PaintScreens(images);
    PaintPieces(images);
    PaintButtons(images);
    PaintLevelLabels(images, levels);
    PaintMarks(images);
    PaintHints(images);
    // The desktop's icon is the window icon as a PNG.
    if (const Canvas* icon = images.Find("tpz.bmp")) {
        if (Canvas* copy = images.Add("tovak-marudo.png")) {
            copy->Draw(*icon, 0, 0);
        }
    }
    DesktopIcons::Paint(images);
}

bool AssetGenerator::WriteImages() {
    bool ok = true;
    for (const AssetSpec& spec : AssetManifest()) {
        if (spec.kind != AssetKind::KeyedBmp && spec.kind != AssetKind::OpaqueBmp &&
            spec.kind != AssetKind::Png) {
            continue;
        }
        const Canvas* canvas = images.Find(spec.path);
        if (canvas == nullptr) {
            std::fprintf(stderr, "assetgen: nothing painted %s\n", spec.path.c_str());
            ok = false;
            continue;
        }
        const std::vector<std::uint32_t> pixels = canvas->Pixels();
        const std::string bytes =
            spec.kind == AssetKind::Png
                ? formats::PngEncoder::Encode(spec.width, spec.height, pixels)
                : BmpWriter::Encode(spec.width, spec.height, pixels,
                                    spec.kind == AssetKind::KeyedBmp ? Transparency::Keyed
                                                                     : Transparency::Opaque,
                                    spec.paletted);
        if (bytes.empty() || !dist.Write(spec.path, bytes)) {
            std::fprintf(stderr, "assetgen: cannot write %s\n", spec.path.c_str());
            ok = false;
        }
    }
    return ok;
}

bool AssetGenerator::WriteTextFiles() {
    const std::string help = "file://" + distDir + "/Help/index.html";
    bool ok = dist.Write("Help/index.html", MakeHelpPage(levels));
    ok = dist.Write("Cursor.cur", MakeCursorFile()) && ok;
    ok = dist.Write("tovak-marudo.desktop", MakeDesktopEntry(distDir)) && ok;
    const std::string icon = DesktopIcons::Svg();
    ok = !icon.empty() && dist.Write(kScalableIconPath, icon) && ok;
    // The player's own settings are never overwritten.
    ok = dist.WriteIfMissing("set.ini", MakeDefaultSettings(help)) && ok;
    return ok;
}

bool AssetGenerator::WriteWindowsIcon() {
    std::vector<IconPicture> pictures;
    for (const int size : kWindowsIconSizes) {
        if (const Canvas* canvas = images.Find(DesktopIconPath(size))) {
            pictures.push_back({size, formats::PngEncoder::Encode(size, size, canvas->Pixels())});
        }
    }
    const std::string bytes = IcoWriter::Encode(pictures);
    if (pictures.size() != kWindowsIconSizes.size() || bytes.empty() ||
        !dist.Write(kWindowsIconPath, bytes)) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", kWindowsIconPath);
        return false;
    }
    return true;
}

} // namespace assetgen
