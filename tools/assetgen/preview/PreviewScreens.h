#pragma once

#include "ImageSet.h"
#include "Painters.h"
#include "encode/OutputTree.h"

using namespace puzzle;

namespace assetgen {

// One picture per screen, composed at the positions the game draws every element: the menu
// with the leaderboard, the board with level 1 and a selected piece, the win panel, the name
// entry, the settings dialog, the leave dialog and the loading screen at half.
void WriteScreenPreviews(const ImageSet& images, const Levels& levels, OutputTree& preview);

} // namespace assetgen
