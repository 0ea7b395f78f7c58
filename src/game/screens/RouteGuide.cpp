#include "game/screens/RouteGuide.h"

#include "game/Layout.h"
#include "game/PlacedImage.h"
#include "game/Play.h"
#include "game/screens/Report.h"
#include "puzzle/Board.h"

namespace game {

namespace {

// Above the selection frames.
constexpr std::uint32_t kHintZ = 101;

// The cells, in cell units, that a piece newly covers when it steps.
struct CellSpan {
    int col;
    int row;
    int columns;
    int rows;
};

// The cells a piece covers.
CellSpan Covered(const puzzle::Piece& piece) {
    return {piece.col, piece.row, piece.Columns(), piece.Rows()};
}

CellSpan Entered(const puzzle::Piece& piece, puzzle::Direction direction) {
    switch (direction) {
    case puzzle::Direction::Left:
        return {piece.col - 1, piece.row, 1, piece.Rows()};
    case puzzle::Direction::Right:
        return {piece.col + piece.Columns(), piece.row, 1, piece.Rows()};
    case puzzle::Direction::Up:
        return {piece.col, piece.row - 1, piece.Columns(), 1};
    case puzzle::Direction::Down:
        break;
    }
    return {piece.col, piece.row + piece.Rows(), piece.Columns(), 1};
}

// Puts `picture` centred on the cells, in board panel coordinates.
void CentreOn(scene::Picture& picture, const CellSpan& cells) {
    const AreaPlace& grid = Layout::Of(Area::BoardGrid);
    const int centreX =
        grid.x + cells.col * puzzle::kCellWidth + cells.columns * puzzle::kCellWidth / 2;
    const int centreY =
        grid.y + cells.row * puzzle::kCellHeight + cells.rows * puzzle::kCellHeight / 2;
    picture.SetPosition(centreX - picture.width / 2, centreY - picture.height / 2);
}

} // namespace

RouteGuide::RouteGuide(const ScreenTimers& timers, Play& play) : timers(timers), play(play) {
    fewestCounter.SetVisible(0);
    hintMark.SetVisible(0);
    hintArrow.SetVisible(0);
}

void RouteGuide::AddTo(scene::Element& screen, scene::Element& boardPanel) {
    screen.AddChild(&fewestLabel);
    screen.AddChild(&fewestCounter);
    screen.AddChild(&hintButton);
    boardPanel.AddChild(&hintMark);
    boardPanel.AddChild(&hintArrow);
}

void RouteGuide::RemoveFrom(scene::Element& screen, scene::Element& boardPanel) {
    screen.RemoveChild(&fewestLabel);
    screen.RemoveChild(&fewestCounter);
    screen.RemoveChild(&hintButton);
    boardPanel.RemoveChild(&hintMark);
    boardPanel.RemoveChild(&hintArrow);
}

void RouteGuide::Load(const ImageSource& images) {
    LoadPlaced(fewestLabel, Layout::Of(Image::FewestLabel), images);
    LoadPlaced(fewestCounter, Area::FewestCounter, images);
    LoadPlaced(hintButton, Layout::Of(Image::HintButton), images);
    LoadPlaced(hintMark, Layout::Of(Image::HintMark), images);
    LoadPlaced(hintArrow, Layout::Of(Image::HintArrows), images);
    hintMark.SetZOrder(kHintZ);
    hintArrow.SetZOrder(kHintZ);
}

void RouteGuide::StartLevel() {
    HideHint();
    fewestCounter.SetVisible(0);
    timers.Start(kPollMs, kPollTimer);
}

void RouteGuide::ShowDistance() {
    HideHint();
    ShowCount();
}

void RouteGuide::ShowCount() {
    const int distance = play.Distance();
    fewestCounter.SetVisible(distance >= 0 ? 1 : 0);
    fewestCounter.SetValue(distance);
}

void RouteGuide::ShowHint(const puzzle::Solver::Step& step) {
    const puzzle::Piece& piece = play.GetBoard().pieces[static_cast<std::size_t>(step.piece)];
    CentreOn(hintMark, Covered(piece));
    hintMark.SetVisible(1);
    PlaceArrow(piece, step.direction);
    hintArrow.SetVisible(1);
    // A hint asked for again while one shows runs its full time from now.
    timers.Stop(kHintTimer);
    timers.Start(kHintMs, kHintTimer);
}

void RouteGuide::PlaceArrow(const puzzle::Piece& piece, puzzle::Direction direction) {
    hintArrow.SetFrame(static_cast<int>(direction) + 1);
    CentreOn(hintArrow, Entered(piece, direction));
}

void RouteGuide::HideHint() {
    if (HintShown()) {
        timers.Stop(kHintTimer);
        hintMark.SetVisible(0);
        hintArrow.SetVisible(0);
    }
}

bool RouteGuide::OnTimerEvent(const std::string& name) {
    if (name == kPollTimer) {
        if (play.DistancesReady()) {
            timers.Stop(kPollTimer);
            ShowCount();
        }
        return true;
    }
    if (name == kHintTimer) {
        // A firing already on its way when the hint went is dropped.
        HideHint();
        return true;
    }
    return false;
}

bool RouteGuide::Handle(const core::Input& event) {
    return core::RouteMouse(
        event,
        [this](int x, int y) {
            const bool taken = hintButton.OnMouseDown(x, y);
            if (taken) {
                Report(onClick);
            }
            return taken;
        },
        [this](int x, int y) {
            const bool taken = hintButton.OnMouseUp(x, y);
            if (taken) {
                Report(onHint);
            }
            return taken;
        },
        [this](int x, int y) {
            hintButton.OnMouseMove(x, y);
            return false;
        });
}

} // namespace game
