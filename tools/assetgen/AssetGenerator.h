#pragma once

#include <string>

#include "ImageSet.h"
#include "Painters.h"
#include "encode/OutputTree.h"

using namespace puzzle;

namespace assetgen {

// Runs every painter and writer and puts the results into the game folder and the preview
// folder. The same inputs give the same bytes.
class AssetGenerator {
public:
    AssetGenerator(std::string distDir, std::string previewDir);

    // Reads the level set; false (reported) when it cannot be read.
    bool LoadLevels(const std::string& path);
    // Generates everything; false when a file was missing from the painters or not written.
    bool Run();

    int Written() const { return dist.Written() + preview.Written(); }
    int Unchanged() const { return dist.Unchanged() + preview.Unchanged(); }

private:
    void PaintImages();
    bool WriteImages();
    bool WriteTextFiles();
    bool WriteWindowsIcon();

    std::string distDir;
    OutputTree dist;
    OutputTree preview;
    Levels levels;
    ImageSet images;
};

} // namespace assetgen
