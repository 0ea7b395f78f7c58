#pragma once

#include <string>
#include <vector>

#include "Canvas.h"
#include "ImageSet.h"
#include "Painters.h"

using namespace puzzle;

namespace assetgen {

// The level list's pictures: each level's five-frame button "第N关" (Graphic/Board/N.bmp) and
// its name tag (Graphic/Board/sN.bmp). The plain button face and the empty tag are painted once
// and only the words are drawn per level, so the 534 pictures stay quick.
class LevelLabelArt {
public:
    static constexpr int kLevelCount = 267;
    static constexpr int kButtonWidth = 129;
    static constexpr int kButtonHeight = 30;
    static constexpr int kTagWidth = 62;
    static constexpr int kTagHeight = 17;
    // The smallest sizes the words may shrink to and stay legible.
    static constexpr double kMinimumNameSize = 11;
    static constexpr double kMinimumTitleSize = 14;

    LevelLabelArt();

    void Paint(ImageSet& images, const Levels& levels) const;
    // The size a level's name is written at on its tag.
    double NameSize(const std::string& name) const;
    // The plain button face and the empty tag the words are written on.
    const Canvas& PlainButton() const { return buttonFace; }
    const Canvas& PlainTag() const { return emptyTag; }

private:
    void PaintButton(Canvas& strip, int level) const;
    void PaintTag(Canvas& tag, const std::string& name) const;
    // The names by level number; empty where the set has no such level.
    static std::vector<std::string> NamesByNumber(const Levels& levels);

    Canvas buttonFace;
    Canvas emptyTag;
};

} // namespace assetgen
