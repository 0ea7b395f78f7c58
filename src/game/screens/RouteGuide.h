#pragma once

#include <functional>
#include <string>

#include "core/Input.h"
#include "game/PlacedImage.h"
#include "game/screens/ScreenTimers.h"
#include "puzzle/Solver.h"
#include "scene/Element.h"
#include "scene/Picture.h"
#include "widgets/Button.h"
#include "widgets/NumberDisplay.h"

namespace puzzle {
struct Piece;
}

namespace game {

class Play;

// The way to a win in the fewest steps, on the board screen: the fewest-steps counter under the
// step counter, read from the play's distance table, the hint button, and the hint itself, shown
// for kHintMs: a mark on the hinted piece, apart from the player's selection frame, and an arrow
// on the cells the piece moves into.
class RouteGuide {
public:
    static constexpr int kHintMs = 1500;
    // How often a table being worked out is looked at.
    static constexpr int kPollMs = 15;
    static constexpr const char* kPollTimer = "distances";
    static constexpr const char* kHintTimer = "hintover";

    // The timers and the play must outlive the guide.
    RouteGuide(const ScreenTimers& timers, Play& play);

    // Appends the label, the counter and the button to `screen`, and the mark and the arrow,
    // above the pieces and the selection frames, to the board panel.
    void AddTo(scene::Element& screen, scene::Element& boardPanel);
    void RemoveFrom(scene::Element& screen, scene::Element& boardPanel);
    void Load(const ImageSource& images);

    // A level has started: the counter stays blank until the play's table is ready, which is
    // looked at every kPollMs; a hint showing goes.
    void StartLevel();
    // After a move: the counter shows the fewest steps from the board's position, and a hint
    // showing goes.
    void ShowDistance();
    // Shows a step the play found.
    void ShowHint(const puzzle::Solver::Step& step);
    void HideHint();
    bool HintShown() const { return hintArrow.visible != 0; }

    // True when `name` is one of the guide's timers. A finished table brings the board's
    // distance onto the counter; the end of the hint's time hides the hint.
    bool OnTimerEvent(const std::string& name);

    // The hint button: true when it takes a press (reported to onClick) or a release (reported
    // to onHint); a pointer moving over it is never taken.
    bool Handle(const core::Input& event);

    // The hint button took a press.
    std::function<void()> onClick;
    // The hint button was clicked.
    std::function<void()> onHint;

    scene::Picture fewestLabel;
    widgets::NumberDisplay fewestCounter;
    widgets::Button hintButton;
    scene::Picture hintMark;
    // Frame 1 + the hinted Direction.
    scene::Picture hintArrow;

private:
    void ShowCount();
    void PlaceArrow(const puzzle::Piece& piece, puzzle::Direction direction);

    const ScreenTimers& timers;
    Play& play;
};

} // namespace game
