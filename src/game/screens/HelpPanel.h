#pragma once

#include <string>

#include "game/PlacedImage.h"
#include "scene/Element.h"
#include "scene/Picture.h"
#include "widgets/Button.h"

namespace game {

// The three help pages beside the board and the two small arrows that turn them. The page
// number is the picture's current frame, so it lasts until the next Load, which goes back to
// page 1. Only arrows that can turn a page are enabled.
class HelpPanel {
public:
    static constexpr int kPageCount = 3;

    HelpPanel();

    // Appends the pages and then the two arrows to `parent`.
    void AddTo(scene::Element& parent);
    void RemoveFrom(scene::Element& parent);
    // Loads the images from the game folder and starts on page 1 with only the back arrow
    // disabled.
    void Load(const ImageSource& images);

    // True when an arrow takes the press.
    bool OnPress(int x, int y);
    // True when an arrow reports a click; the page is turned when there is one to turn to.
    bool OnRelease(int x, int y);
    // True while the pointer is over an arrow.
    bool OnMove(int x, int y);

    // 1..kPageCount; 0 while the pages have no image.
    int Page() const { return pages.currentFrame; }

    scene::Picture pages;
    widgets::Button prevPageButton;
    widgets::Button nextPageButton;

private:
    void Turn(int delta);
};

} // namespace game
