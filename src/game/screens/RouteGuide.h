#pragma once

#include <optional>
#include <string>

#include "game/DistanceTable.h"
#include "game/PlacedImage.h"
#include "game/screens/ScreenTimers.h"
#include "puzzle/Solver.h"
#include "scene/Element.h"
#include "scene/Picture.h"
#include "widgets/Button.h"
#include "widgets/NumberDisplay.h"

namespace puzzle {
class Board;
struct Piece;
} // namespace puzzle

namespace game {

// The way to a win in the fewest steps, on the board screen: the distance table of the level
// being played, the fewest-steps counter under the step counter, the hint button, and the hint
// itself, shown for kHintMs: a mark on the hinted piece, apart from the player's selection
// frame, and an arrow on the cells the piece moves into. A hint taken makes the attempt
// assisted.
class RouteGuide {
public:
    static constexpr int kHintMs = 1500;
    // How often a table being worked out is looked at.
    static constexpr int kPollMs = 15;
    static constexpr const char* kPollTimer = "distances";
    static constexpr const char* kHintTimer = "hintover";

    // The timers must outlive the guide.
    explicit RouteGuide(const ScreenTimers& timers);

    // Appends the label, the counter and the button to `screen`, and the mark and the arrow,
    // above the pieces and the selection frames, to the board panel.
    void AddTo(scene::Element& screen, scene::Element& boardPanel);
    void RemoveFrom(scene::Element& screen, scene::Element& boardPanel);
    void Load(const ImageSource& images);

    // A level starts on the board: its table is worked out anew and the counter stays blank
    // until it is ready; a hint showing goes, and the attempt is not assisted.
    void StartLevel(const puzzle::Board& board);
    // After a move: the counter shows the fewest steps from the board's position, and a hint
    // showing goes.
    void ShowDistance(const puzzle::Board& board);
    // Shows the next step of a shortest way from the board's position and returns it. None,
    // and nothing shown, while the table is not ready or when the position is won or cannot
    // be won.
    std::optional<puzzle::Solver::Step> ShowHint(const puzzle::Board& board);
    void HideHint();
    bool HintShown() const { return hintArrow.visible != 0; }

    // True when `name` is one of the guide's timers. A finished table brings the board's
    // distance onto the counter; the end of the hint's time hides the hint.
    bool OnTimerEvent(const std::string& name, const puzzle::Board& board);

    // The hint button: each true when the button takes the event; the screen shows a hint on
    // a release that is taken.
    bool OnPress(int x, int y);
    bool OnRelease(int x, int y);
    bool OnMove(int x, int y);

    // The fewest steps from the level's start, waiting for a table still being worked out;
    // WinReport::kUnknown when the start cannot be won.
    int FewestFromStart();
    // A hint was shown since the level started.
    bool Assisted() const { return assisted; }
    const DistanceTable& Table() const { return table; }

    scene::Picture fewestLabel;
    widgets::NumberDisplay fewestCounter;
    widgets::Button hintButton;
    scene::Picture hintMark;
    // Frame 1 + the hinted Direction.
    scene::Picture hintArrow;

private:
    void ShowCount(const puzzle::Board& board);
    void PlaceArrow(const puzzle::Piece& piece, puzzle::Direction direction);

    const ScreenTimers& timers;
    DistanceTable table;
    bool assisted = false;
};

} // namespace game
