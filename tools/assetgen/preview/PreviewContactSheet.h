#pragma once

#include <string>
#include <vector>

#include "ImageSet.h"

namespace assetgen {

// Contact sheets of every image as the game loads it, frames side by side, on a checkerboard
// where transparent, each labelled with its path. Of the level buttons and name labels only
// the first ten and the last two are shown. Returns the PNG bytes of each sheet in order.
std::vector<std::string> ContactSheets(const ImageSet& images);

// The paths a contact sheet shows, in manifest order.
std::vector<std::string> ContactSheetPaths(const ImageSet& images);

} // namespace assetgen
