#pragma once

#include <string>
#include <vector>

#include "ImageSet.h"
#include "encode/OutputTree.h"
#include "level-set/LevelSetFile.h"

using namespace puzzle;

namespace assetgen {

using Levels = std::vector<LevelSetFile::Level>;

// Each painter lies in the folder of what it draws: PaintScreens in screens/, PaintPieces in
// pieces/, PaintButtons and PaintLevelLabels in buttons/, PaintMarks, PaintHints and
// MakeCursorFile in marks/, WritePreviews in preview/; the text files in HelpPage.cpp.

// Screens and panels: Graphic/UI desk, youxijiemian, lodingtiao, lodingtiao_1, ui_biaotilan,
// left_tile, logo, phbang, guog, pinput, jies, zhezhao; Graphic/setting m_set_node, ok,
// leave_lable.
void PaintScreens(ImageSet& images);
// The piece portraits (Graphic/UI) and the selection frames (Graphic/Effects).
void PaintPieces(ImageSet& images);
// Every five-frame button strip, in Graphic/Button and Graphic/setting.
void PaintButtons(ImageSet& images);
// Graphic/Board: each level's button N.bmp and name label sN.bmp.
void PaintLevelLabels(ImageSet& images, const Levels& levels);
// Small pieces: the step digits sfx_zi, the passed marks ytg and wtg, the row line xian, the
// slider knob drag, and the game icon tpz.bmp.
void PaintMarks(ImageSet& images);
// The fewest-steps label zuishao.png (Graphic/UI) and the hint's arrows tishi_jiantou
// (Graphic/Effects).
void PaintHints(ImageSet& images);
// Cursor.cur: a 32x32 cursor with its hotspot.
std::string MakeCursorFile();

// Help/index.html: how to play, the keys, and the level list with drawings.
std::string MakeHelpPage(const Levels& levels);
// The settings file a new game folder starts with.
std::string MakeDefaultSettings(const std::string& helpAddress);
// The desktop entry of the game in the given folder.
std::string MakeDesktopEntry(const std::string& gameDir);

// build/preview: a contact sheet of every image and one picture per screen, composed at the
// positions the game draws them.
void WritePreviews(const ImageSet& images, const Levels& levels, OutputTree& preview);

} // namespace assetgen
