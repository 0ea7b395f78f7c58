#pragma once

#include <string>
#include <vector>

#include "game/PersonalRecords.h"
#include "game/PlacedImage.h"
#include "scene/Picture.h"

namespace game {

// What the level list shows of a level's record on its row: the best steps and the fewest
// possible in small digits ("23/21", or "23" while the fewest is unknown) ending just left of
// the row's mark, and a seal right of the mark when the best is the fewest possible. The
// pictures stay outside the scene tree and are stamped at every draw.
class RecordMarks {
public:
    // Numbers above this are shown as this.
    static constexpr int kLargestShown = 999;
    // Pixels between the text and what lies either side of it.
    static constexpr int kGap = 2;

    // Loads the digits, the seal and the mark for levels cleared only with hints.
    void Load(const ImageSource& images);
    void ReleaseSurfaces();

    // The frames of the digit strip the record is written with, left to right: digit d is
    // frame d + 1, the slash frame 11. Empty for a level not cleared.
    static std::vector<int> Glyphs(const LevelRecord& record);
    // Where the text of the record starts on the screen: the row line ends kGap before it.
    // The mark's left edge when there is no text.
    int TextLeft(const LevelRecord& record) const;
    // Stamps the text and the seal on list row `row` (0 for the page's first level).
    void Draw(gfx::Display& target, const LevelRecord& record, int row);

    // Stamped in place of the passed mark; placed by the level list.
    scene::Picture& AssistedMark() { return assistedMark; }
    const scene::Picture& AssistedMark() const { return assistedMark; }
    const scene::Picture& Digits() const { return digits; }
    const scene::Picture& Seal() const { return seal; }

private:
    scene::Picture digits;
    scene::Picture seal;
    scene::Picture assistedMark;
};

} // namespace game
