#include "game/screens/BoardView.h"

#include <cassert>

#include "core/GameFolders.h"
#include "game/Layout.h"
#include "game/screens/Report.h"
#include "game/screens/SlideTime.h"
#include "puzzle/Board.h"

namespace game {

namespace {

// Above the sprites, which all keep z 0.
constexpr std::uint32_t kFrameZ = 100;

bool IsPieceNumber(int number) {
    return number >= 1 && number <= puzzle::kMaxPieceNumber;
}

void Place(scene::Element& element, Area area) {
    const AreaPlace& place = Layout::Of(area);
    element.SetSize(place.width, place.height);
    element.SetPosition(place.x, place.y);
}

} // namespace

BoardView::BoardView(const core::GameFolders& folders, const puzzle::Board& board,
                     const platform::Clock* clock)
    : folders(folders), board(board),
      slide(clock != nullptr ? std::make_unique<widgets::Slide>(*clock) : nullptr) {
    Place(boardPanel, Area::BoardPanel);
    for (scene::Picture& sprite : sprites) {
        boardPanel.AddChild(&sprite);
    }
    for (scene::Picture& frame : frames) {
        frame.SetVisible(0);
        boardPanel.AddChild(&frame);
    }
}

BoardView::~BoardView() = default;

void BoardView::AddTo(scene::Element& screen) {
    screen.AddChild(&background);
    screen.AddChild(&boardPanel);
    screen.AddChild(&stepCounter);
}

void BoardView::RemoveFrom(scene::Element& screen) {
    screen.RemoveChild(&background);
    screen.RemoveChild(&boardPanel);
    screen.RemoveChild(&stepCounter);
}

scene::Picture& BoardView::Sprite(int number) {
    assert(IsPieceNumber(number));
    return sprites[static_cast<std::size_t>(number - 1)];
}

const puzzle::Piece& BoardView::PieceOf(int number) const {
    return board.pieces[static_cast<std::size_t>(number)];
}

// --- Loading ---------------------------------------------------------------------------------

void BoardView::LoadBackground(const ImageSource& images) {
    Place(boardPanel, Area::BoardPanel);
    LoadPlaced(background, Layout::Of(Image::BoardBackground), images);
}

void BoardView::LoadPieces(const ImageSource& images) {
    for (int number = 1; number <= puzzle::kMaxPieceNumber; ++number) {
        LoadPlaced(Sprite(number), Layout::PiecePortrait(number), images);
    }
    for (const puzzle::Shape shape :
         {puzzle::Shape::Across, puzzle::Shape::Erect, puzzle::Shape::Big, puzzle::Shape::Small}) {
        scene::Picture& frame = SelectionFrame(shape);
        LoadPlaced(frame, Layout::SelectionFrame(shape), images);
        frame.SetVisible(0);
    }
    LoadPlaced(stepCounter, Area::StepCounter, images);
    for (const std::int8_t number : board.grid) {
        if (IsPieceNumber(number)) {
            PlaceSprite(number, PieceOf(number).col, PieceOf(number).row);
        }
    }
}

// --- Showing ---------------------------------------------------------------------------------

void BoardView::StartLevel() {
    if (slide) {
        slide->Drop();
    }
    slideMs = slide ? SlideTime::Read(folders.SettingsFile()) : 0;
}

void BoardView::ShowBoard() {
    for (scene::Picture& sprite : sprites) {
        sprite.SetVisible(0);
    }
    HideFrames();
    for (int col = 0; col < puzzle::kColumns; ++col) {
        for (int row = 0; row < puzzle::kRows; ++row) {
            const int number = board.grid[static_cast<std::size_t>(puzzle::CellIndex(col, row))];
            if (IsPieceNumber(number)) {
                Sprite(number).SetVisible(1);
                PlaceSprite(number, col, row);
            }
        }
    }
    stepCounter.SetValue(board.steps);
}

void BoardView::ShowMove(int number, int col, int row) {
    stepCounter.SetValue(board.steps);
    SlideSprite(number, col, row);
    ShowSelection(number);
}

void BoardView::ShowSelection(int number) {
    HideFrames();
    const scene::Picture& sprite = Sprite(number);
    scene::Picture& frame = SelectionFrame(PieceOf(number).shape);
    frame.SetVisible(1);
    frame.SetPosition(sprite.x, sprite.y);
    frame.SetZOrder(kFrameZ);
}

void BoardView::HideFrames() {
    for (scene::Picture& frame : frames) {
        frame.SetVisible(0);
    }
}

std::pair<int, int> BoardView::CellPlace(int col, int row) {
    const AreaPlace& grid = Layout::Of(Area::BoardGrid);
    return {grid.x + puzzle::kCellWidth * col, grid.y + puzzle::kCellHeight * row};
}

void BoardView::PlaceSprite(int number, int col, int row) {
    const auto [x, y] = CellPlace(col, row);
    Sprite(number).SetPosition(x, y);
}

// --- Slides ----------------------------------------------------------------------------------

void BoardView::SlideSprite(int number, int col, int row) {
    if (!slide || slideMs == 0) {
        PlaceSprite(number, col, row);
        return;
    }
    const auto [x, y] = CellPlace(col, row);
    slide->Start(Sprite(number), x, y, slideMs);
}

bool BoardView::StepSlide() {
    if (!Sliding()) {
        return false;
    }
    const bool onItsWay = slide->Step();
    FollowSlide();
    if (!onItsWay) {
        Report(onArrived);
    }
    return onItsWay;
}

void BoardView::FinishSlide() {
    if (slide && slide->Finish()) {
        FollowSlide();
        Report(onArrived);
    }
}

void BoardView::FollowSlide() {
    // Presses and keys end a slide before they change the selection: it is the sliding piece.
    if (IsPieceNumber(board.selected)) {
        const scene::Picture& sprite = Sprite(board.selected);
        SelectionFrame(PieceOf(board.selected).shape).SetPosition(sprite.x, sprite.y);
    }
}

// --- Input -----------------------------------------------------------------------------------

bool BoardView::Handle(const core::Input& event) {
    if (event.code == core::kMouseLeftDown) {
        const ScreenPoint grid = Layout::Origin(Area::BoardGrid);
        Report(onPressed, static_cast<int>(event.x) - grid.x, static_cast<int>(event.y) - grid.y);
    }
    return false;
}

} // namespace game
