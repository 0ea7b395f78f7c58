#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

#include "core/Input.h"
#include "game/PlacedImage.h"
#include "puzzle/Geometry.h"
#include "puzzle/Piece.h"
#include "scene/Element.h"
#include "scene/Picture.h"
#include "widgets/NumberDisplay.h"
#include "widgets/Slide.h"

namespace core {
class GameFolders;
}
namespace platform {
class Clock;
}
namespace puzzle {
class Board;
}

namespace game {

// The board as the player sees it: the background, the board panel with a sprite for each piece
// and the selection frame, and the step counter. It shows the board it is given and reports
// presses on it in board pixels; board pixel (0, 0) lies at screen (14, 36).
//
// With a clock, a moved piece slides into its new cell (SlideTime) instead of jumping, with its
// selection frame; a press or a key during a slide ends it first.
class BoardView {
public:
    // Reads the board it shows; it, the folders and the clock must outlive the view. Without a
    // clock pieces never slide.
    BoardView(const core::GameFolders& folders, const puzzle::Board& board,
              const platform::Clock* clock);
    ~BoardView();
    BoardView(const BoardView&) = delete;
    BoardView& operator=(const BoardView&) = delete;

    // Appends the background, the board panel (the sprites, then the frames) and the step
    // counter to `screen`.
    void AddTo(scene::Element& screen);
    void RemoveFrom(scene::Element& screen);
    void LoadBackground(const ImageSource& images);
    // The sprites, the frames, hidden, and the step counter; the sprites are placed on the
    // board's grid without being shown or hidden.
    void LoadPieces(const ImageSource& images);

    // A level is about to start: a slide under way is dropped where it stands, and the slide
    // time is read afresh.
    void StartLevel();
    // Shows the sprites of the board's grid and its step count, with no selection frame.
    void ShowBoard();
    // The selected piece moved to (col, row): the step count, the piece on its way, framed.
    void ShowMove(int number, int col, int row);
    // Shows only the frame of the piece's shape, over its sprite and above the sprites.
    void ShowSelection(int number);

    // Moves a sliding piece on by the clock; true while it is still on its way.
    bool StepSlide();
    // Puts a sliding piece in its cell at once.
    void FinishSlide();
    // True while a moved piece is on its way to its cell.
    bool Sliding() const { return slide && slide->Running(); }

    // A left press goes to onPressed in board pixels, wherever it lands; nothing is taken.
    bool Handle(const core::Input& event);

    // A press at a board pixel.
    std::function<void(int boardX, int boardY)> onPressed;
    // A sliding piece arrived in its cell.
    std::function<void()> onArrived;

    scene::Element& Panel() { return boardPanel; }
    // number is 1..kMaxPieceNumber.
    scene::Picture& Sprite(int number);
    scene::Picture& SelectionFrame(puzzle::Shape shape) {
        return frames[static_cast<std::size_t>(shape)];
    }
    widgets::NumberDisplay& StepCounter() { return stepCounter; }

private:
    void PlaceSprite(int number, int col, int row);
    // Where a piece's sprite stands on the board panel when anchored at (col, row).
    static std::pair<int, int> CellPlace(int col, int row);
    // The slide takes the piece to its cell, or it is placed there at once.
    void SlideSprite(int number, int col, int row);
    // The selection frame follows the sliding piece.
    void FollowSlide();
    void HideFrames();
    const puzzle::Piece& PieceOf(int number) const;

    const core::GameFolders& folders;
    const puzzle::Board& board;
    // Null without a clock.
    std::unique_ptr<widgets::Slide> slide;
    // How long a slide takes; 0 places pieces at once. Read at every level start.
    std::uint32_t slideMs = 0;
    scene::Picture background;
    scene::Element boardPanel;
    std::array<scene::Picture, puzzle::kMaxPieceNumber> sprites;
    // Indexed by Shape.
    std::array<scene::Picture, 4> frames;
    widgets::NumberDisplay stepCounter;
};

} // namespace game
