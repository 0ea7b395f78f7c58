#pragma once

#include <functional>

#include "core/Input.h"
#include "game/PlacedImage.h"
#include "game/screens/WinTally.h"
#include "scene/Picture.h"
#include "widgets/Button.h"

namespace game {

struct WinReport;

// The panel that tells a win: the steps and the fewest steps in its wells, a next-level button
// and a close button. Hidden until a win; when the winning piece still slides, it waits for the
// piece to arrive.
class WinPanel : public scene::Picture {
public:
    WinPanel();
    ~WinPanel() override;

    // The panel's picture, its buttons, then its counters.
    void Load(const ImageSource& images);
    void LoadTally(const ImageSource& images);

    // Shows the win's counts, and the panel now or, when `afterSlide`, once Arrived is called.
    void Show(const WinReport& report, bool afterSlide);
    // The winning piece is in its cell: a panel waiting for it comes up.
    void Arrived();
    // A level starts: a panel waiting for a slide no longer comes up.
    void Drop() { due = false; }
    bool Shown() const { return visible != 0; }

    // Mouse events on the buttons while the panel shows; true when a button takes one. A press
    // is reported to onClick; a release on the next button to onNext, on the close button hides
    // the panel and goes to onClose.
    bool Handle(const core::Input& event);

    // The next-level button was clicked.
    std::function<void()> onNext;
    // The panel was closed: the level stays won, with no next level chosen.
    std::function<void()> onClose;
    // A button took a press.
    std::function<void()> onClick;

    widgets::Button nextButton;
    widgets::Button closeButton;
    WinTally tally;

private:
    bool OnPress(int x, int y);
    bool OnRelease(int x, int y);
    bool OnMove(int x, int y);

    // The winning move slides: the panel comes up when the piece arrives.
    bool due = false;
};

} // namespace game
