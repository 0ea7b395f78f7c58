#pragma once

#include <functional>
#include <string>

#include "core/Input.h"
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

    // The arrows' presses (which report onClick), releases and hover. True when an arrow takes
    // a press, reports a click on its release (the page is turned when there is one to turn to)
    // or has the pointer over it.
    bool Handle(const core::Input& event);

    // An arrow took a press.
    std::function<void()> onClick;

    // 1..kPageCount; 0 while the pages have no image.
    int Page() const { return pages.currentFrame; }

    scene::Picture pages;
    widgets::Button prevPageButton;
    widgets::Button nextPageButton;

private:
    bool OnPress(int x, int y);
    bool OnRelease(int x, int y);
    bool OnMove(int x, int y);
    void Turn(int delta);
};

} // namespace game
