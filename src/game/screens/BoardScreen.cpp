#include "game/screens/BoardScreen.h"

#include <cassert>
#include <optional>

#include "app/Application.h"
#include "core/GameFolders.h"
#include "core/Trace.h"
#include "game/PlacedImage.h"
#include "game/screens/Report.h"
#include "game/screens/SlideTime.h"
#include "game/screens/WebLinks.h"
#include "platform/DocumentOpener.h"
#include "platform/Event.h"
#include "platform/Platform.h"
#include "puzzle/Board.h"

namespace game {

namespace {

// Above the sprites, which all keep z 0.
constexpr std::uint32_t kFrameZ = 100;

void Place(scene::Element& element, Area area) {
    const AreaPlace& place = Layout::Of(area);
    element.SetSize(place.width, place.height);
    element.SetPosition(place.x, place.y);
}

bool IsPieceNumber(int number) {
    return number >= 1 && number <= puzzle::kMaxPieceNumber;
}

// A press of a mouse button or of a key: what the player does next, which must find a sliding
// piece in its cell.
bool IsPress(std::uint32_t code) {
    return code == core::kMouseLeftDown || code == core::kMouseRightDown || core::IsKeyPress(code);
}

// The direction an arrow key's press moves the selected piece.
std::optional<puzzle::Direction> ArrowDirection(std::uint32_t code) {
    switch (code) {
    case core::kKeyLeftPressed:
        return puzzle::Direction::Left;
    case core::kKeyRightPressed:
        return puzzle::Direction::Right;
    case core::kKeyUpPressed:
        return puzzle::Direction::Up;
    case core::kKeyDownPressed:
        return puzzle::Direction::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

BoardScreen::BoardScreen(const core::GameFolders& folders, app::Application& application,
                         const platform::Clock* clock)
    : folders(folders), application(application),
      slide(clock != nullptr ? std::make_unique<widgets::Slide>(*clock) : nullptr), levels(folders),
      progress(folders), entry(folders.LeaderboardFile()) {
    SetSize(800, 600);
    Place(boardPanel, Area::BoardPanel);
    Place(levelSelect, Area::LevelColumn);
    for (scene::Picture& frame : frames) {
        frame.SetVisible(0);
    }
    winPanel.SetVisible(0);
    entry.SetVisible(0);
    AddChildren();
    levelSelect.onLevelChosen = [this](int level) { StartLevel(level); };
    levelSelect.onClick = [this] { PlayClick(); };
    entry.onClick = [this] { PlayClick(); };
}

void BoardScreen::AddChildren() {
    AddChild(&background);
    AddChild(&boardPanel);
    AddChild(&stepCounter);
    AddChild(&winPanel);
    for (scene::Picture& sprite : sprites) {
        boardPanel.AddChild(&sprite);
    }
    boardPanel.AddChild(&levelSelect);
    boardPanel.AddChild(&moreGamesButton);
    boardPanel.AddChild(&clickMeButton);
    boardPanel.AddChild(&exitButton);
    for (scene::Picture& frame : frames) {
        boardPanel.AddChild(&frame);
    }
    help.AddTo(boardPanel);
    winPanel.AddChild(&nextLevelButton);
    winPanel.AddChild(&closeWinButton);
    guide.AddTo(*this, boardPanel);
    tally.AddTo(winPanel);
}

BoardScreen::~BoardScreen() {
    guide.RemoveFrom(*this, boardPanel);
    tally.RemoveFrom(winPanel);
    RemoveChild(&background);
    RemoveChild(&boardPanel);
    RemoveChild(&stepCounter);
    RemoveChild(&winPanel);
}

void BoardScreen::SetBoard(puzzle::Board* newBoard) {
    if (newBoard != nullptr) {
        board = newBoard;
    }
}

std::string BoardScreen::GameFile(const std::string& relative) const {
    return folders.GameFile(relative);
}

scene::Picture& BoardScreen::Sprite(int number) {
    assert(IsPieceNumber(number));
    return sprites[static_cast<std::size_t>(number - 1)];
}

void BoardScreen::PlayClick() {
    Report(onClick);
}

void BoardScreen::HandleTimerEvent(const std::string& name) {
    if (board != nullptr) {
        guide.OnTimerEvent(name, *board);
    }
}

// --- Loading ---------------------------------------------------------------------------------

void BoardScreen::BuildBoardScreen(const ImageSource& images) {
    // A piece on its way arrives before the sprites are placed from the grid.
    FinishSlide();
    Place(boardPanel, Area::BoardPanel);
    levelSelect.BuildLevelSelect(board, images);
    LoadPlaced(background, Layout::Of(Image::BoardBackground), images);
    LoadEntry(images);
    LoadPlaced(overlay, Layout::Of(Image::Overlay), images);
    LoadSprites(images);
    LoadFrames(images);
    LoadStepCounter(images);
    LoadButtons(images);
    PlaceSpritesOfGrid();
    LoadWinPanel(images);
    help.Load(images);
    guide.Load(images);
    tally.Load(images);
}

void BoardScreen::LoadEntry(const ImageSource& images) {
    LoadPlaced(entry, Layout::Of(Image::NameEntry), images);
    const AreaPlace& field = Layout::Of(Area::NameField);
    entry.nameField.Configure(
        field.x, field.y, field.width, field.height, LeaderboardEntry::kNameCapacity,
        widgets::TextField::kAcceptsText | widgets::TextField::kMakesBuffer, 0xFFFFFF);
    entry.nameField.SetFocused(1);
    LoadPlaced(entry.okButton, Layout::Of(Image::NameOk), images);
    LoadPlaced(entry.cancelButton, Layout::Of(Image::NameCancel), images);
    application.AddCharListener(&entry);
}

void BoardScreen::LoadSprites(const ImageSource& images) {
    for (int number = 1; number <= puzzle::kMaxPieceNumber; ++number) {
        LoadPlaced(Sprite(number), Layout::PiecePortrait(number), images);
    }
}

void BoardScreen::LoadFrames(const ImageSource& images) {
    for (const puzzle::Shape shape :
         {puzzle::Shape::Across, puzzle::Shape::Erect, puzzle::Shape::Big, puzzle::Shape::Small}) {
        scene::Picture& frame = SelectionFrame(shape);
        LoadPlaced(frame, Layout::SelectionFrame(shape), images);
        frame.SetVisible(0);
    }
}

void BoardScreen::LoadStepCounter(const ImageSource& images) {
    LoadPlaced(stepCounter, Area::StepCounter, images);
}

void BoardScreen::LoadButtons(const ImageSource& images) {
    LoadPlaced(moreGamesButton, Layout::Of(Image::MoreGamesButton), images);
    LoadPlaced(clickMeButton, Layout::Of(Image::ClickMeButton), images);
    LoadPlaced(exitButton, Layout::Of(Image::ExitButton), images);
}

void BoardScreen::LoadWinPanel(const ImageSource& images) {
    LoadPlaced(winPanel, Layout::Of(Image::WinPanel), images);
    LoadPlaced(nextLevelButton, Layout::Of(Image::NextLevelButton), images);
    LoadPlaced(closeWinButton, Layout::Of(Image::CloseWinButton), images);
}

// Places the sprites of the pieces on the grid without showing or hiding any.
void BoardScreen::PlaceSpritesOfGrid() {
    if (board == nullptr) {
        return;
    }
    for (const std::int8_t number : board->grid) {
        if (IsPieceNumber(number)) {
            const puzzle::Piece& piece = board->pieces[static_cast<std::size_t>(number)];
            PlaceSprite(number, piece.col, piece.row);
        }
    }
}

// --- Showing ---------------------------------------------------------------------------------

void BoardScreen::StartLevel(int n) {
    if (slide) {
        slide->Drop();
    }
    winPanelDue = false;
    slideMs = slide ? SlideTime::Read(folders.SettingsFile()) : 0;
    if (board != nullptr) {
        levels.Start(*board, n);
        guide.StartLevel(*board);
    }
    ShowBoard();
}

void BoardScreen::ShowBoard() {
    for (scene::Picture& sprite : sprites) {
        sprite.SetVisible(0);
    }
    HideFrames();
    if (board == nullptr) {
        return;
    }
    for (int col = 0; col < puzzle::kColumns; ++col) {
        for (int row = 0; row < puzzle::kRows; ++row) {
            const int number = board->grid[static_cast<std::size_t>(puzzle::CellIndex(col, row))];
            if (IsPieceNumber(number)) {
                Sprite(number).SetVisible(1);
                PlaceSprite(number, col, row);
            }
        }
    }
    stepCounter.SetValue(board->steps);
    guide.ShowDistance(*board);
}

std::pair<int, int> BoardScreen::CellPlace(int col, int row) {
    const AreaPlace& grid = Layout::Of(Area::BoardGrid);
    return {grid.x + puzzle::kCellWidth * col, grid.y + puzzle::kCellHeight * row};
}

void BoardScreen::PlaceSprite(int number, int col, int row) {
    const auto [x, y] = CellPlace(col, row);
    Sprite(number).SetPosition(x, y);
}

void BoardScreen::SlideSprite(int number, int col, int row) {
    if (!slide || slideMs == 0) {
        PlaceSprite(number, col, row);
        return;
    }
    const auto [x, y] = CellPlace(col, row);
    slide->Start(Sprite(number), x, y, slideMs);
}

// --- Slides ----------------------------------------------------------------------------------

void BoardScreen::Draw(gfx::Display& target) {
    if (StepSlide()) {
        WantNextFrame();
    }
    scene::Element::Draw(target);
}

bool BoardScreen::StepSlide() {
    if (!Sliding()) {
        return false;
    }
    const bool onItsWay = slide->Step();
    FollowSlide();
    if (!onItsWay) {
        EndSlide();
    }
    return onItsWay;
}

void BoardScreen::FinishSlide() {
    if (slide && slide->Finish()) {
        FollowSlide();
        EndSlide();
    }
}

void BoardScreen::FollowSlide() {
    // Presses and keys end a slide before they change the selection: it is the sliding piece.
    if (board != nullptr && IsPieceNumber(board->selected)) {
        const scene::Picture& sprite = Sprite(board->selected);
        SelectionFrame(board->pieces[static_cast<std::size_t>(board->selected)].shape)
            .SetPosition(sprite.x, sprite.y);
    }
}

void BoardScreen::EndSlide() {
    if (winPanelDue) {
        winPanelDue = false;
        winPanel.SetVisible(1);
    }
}

void BoardScreen::HideFrames() {
    for (scene::Picture& frame : frames) {
        frame.SetVisible(0);
    }
}

void BoardScreen::ShowHint() {
    if (board == nullptr || board->state != puzzle::PlayState::Playing || winPanel.visible != 0) {
        return;
    }
    guide.ShowHint(*board);
}

void BoardScreen::FrameSprite(int number) {
    HideFrames();
    const scene::Picture& sprite = Sprite(number);
    scene::Picture& frame = SelectionFrame(board->pieces[static_cast<std::size_t>(number)].shape);
    frame.SetVisible(1);
    frame.SetPosition(sprite.x, sprite.y);
    frame.SetZOrder(kFrameZ);
}

// --- Input -----------------------------------------------------------------------------------

void BoardScreen::HandleMouse(core::Input* event) {
    if (event == nullptr || visible == 0) {
        return;
    }
    const int x = static_cast<int>(event->x);
    const int y = static_cast<int>(event->y);
    if (IsPress(event->code)) {
        FinishSlide();
    }
    // The name entry is modal: its buttons lie over a level button and the board, which must
    // not react to the same click.
    if (entry.visible != 0) {
        HandleEntryMouse(*event, x, y);
        return;
    }
    if (OnKey(event->code)) {
        return;
    }
    const bool consumed = core::RouteMouse(
        *event, [this](int px, int py) { return OnPress(px, py); },
        [this](int px, int py) { return OnRelease(px, py); },
        [this](int px, int py) { return OnMove(px, py); });
    if (consumed) {
        return;
    }
    levelSelect.OnMouseEvent(event);
}

void BoardScreen::HandleEntryMouse(const core::Input& event, int x, int y) {
    const bool answered = event.code == core::kMouseLeftUp &&
                          (entry.okButton.OnMouseUp(x, y) || entry.cancelButton.OnMouseUp(x, y));
    // The entry submits and closes itself.
    entry.HandleMouse(event);
    if (answered) {
        Report(onEntryAnswered);
    }
}

bool BoardScreen::OnRelease(int x, int y) {
    if (!help.OnRelease(x, y) && winPanel.visible != 0 && OnWinPanelRelease(x, y)) {
        return true;
    }
    if (guide.OnRelease(x, y)) {
        ShowHint();
        return true;
    }
    // The link buttons act on the press.
    if (moreGamesButton.OnMouseUp(x, y) || clickMeButton.OnMouseUp(x, y)) {
        return true;
    }
    // The exit button acts on the release alone, wherever the press began.
    if (exitButton.OnMouseUp(x, y)) {
        application.PostEvent(platform::Event::Of(platform::EventKind::Close));
    }
    return false;
}

bool BoardScreen::OnWinPanelRelease(int x, int y) {
    if (nextLevelButton.OnMouseUp(x, y)) {
        GoToNextLevel();
        return true;
    }
    if (closeWinButton.OnMouseUp(x, y)) {
        // The board stays finished.
        winPanel.SetVisible(0);
        Report(onWinClosed);
        return true;
    }
    return false;
}

bool BoardScreen::OnKey(std::uint32_t code) {
    if (board == nullptr) {
        return false;
    }
    // Over the win panel the board takes no keys; Enter is its next-level button.
    if (winPanel.visible != 0) {
        if (code != core::kKeyEnterReleased) {
            return false;
        }
        GoToNextLevel();
        return true;
    }
    if (code == core::kKeyHintReleased) {
        ShowHint();
        return true;
    }
    if (code == core::kKeyTabPressed || code == core::kKeyShiftTabPressed) {
        SelectNext(code == core::kKeyShiftTabPressed);
        return true;
    }
    if (const std::optional<puzzle::Direction> direction = ArrowDirection(code)) {
        MoveSelected(*direction);
        return true;
    }
    return false;
}

void BoardScreen::SelectNext(bool backward) {
    if (const int number = board->SelectNext(backward); number != 0) {
        FrameSprite(number);
    }
}

void BoardScreen::GoToNextLevel() {
    // The last level has no next one: the panel stays up.
    if (board == nullptr || board->level >= puzzle::kLevelCount) {
        return;
    }
    StartLevel(board->level + 1);
    winPanel.SetVisible(0);
}

bool BoardScreen::OnPress(int x, int y) {
    if (help.OnPress(x, y) || (winPanel.visible != 0 && (closeWinButton.OnMouseDown(x, y) ||
                                                         nextLevelButton.OnMouseDown(x, y)))) {
        PlayClick();
        return true;
    }
    if (moreGamesButton.OnMouseDown(x, y)) {
        OpenWebLink(2);
        PlayClick();
        return true;
    }
    if (clickMeButton.OnMouseDown(x, y)) {
        OpenWebLink(1);
        PlayClick();
    }
    if (guide.OnPress(x, y)) {
        PlayClick();
        return true;
    }
    const ScreenPoint grid = Layout::Origin(Area::BoardGrid);
    PressOnBoard(x - grid.x, y - grid.y);
    return false;
}

bool BoardScreen::OnMove(int x, int y) {
    if (help.OnMove(x, y) || (winPanel.visible != 0 && (closeWinButton.OnMouseMove(x, y) ||
                                                        nextLevelButton.OnMouseMove(x, y)))) {
        return true;
    }
    guide.OnMove(x, y);
    // Hover frames: the first button under the pointer ends the search.
    if (!moreGamesButton.OnMouseMove(x, y) && !clickMeButton.OnMouseMove(x, y)) {
        exitButton.OnMouseMove(x, y);
    }
    return false;
}

void BoardScreen::OpenWebLink(int n) {
    WebLinks links;
    links.Read(folders.SettingsFile());
    application.GetPlatform().Opener().Open(links.Address(n));
}

void BoardScreen::PressOnBoard(int boardX, int boardY) {
    if (board == nullptr) {
        return;
    }
    if (const int number = board->PieceAt(boardX, boardY); number != 0) {
        FrameSprite(number);
        return;
    }
    if (board->selected != 0) {
        MoveSelectedToward(boardX, boardY);
    }
}

void BoardScreen::MoveSelectedToward(int boardX, int boardY) {
    if (board->MoveToward(boardX, boardY) != puzzle::MoveOutcome::Blocked) {
        ShowMove();
    }
}

void BoardScreen::MoveSelected(puzzle::Direction direction) {
    if (board->Move(direction) != puzzle::MoveOutcome::Blocked) {
        ShowMove();
    }
}

void BoardScreen::ShowMove() {
    stepCounter.SetValue(board->steps);
    guide.ShowDistance(*board);
    const int number = board->selected;
    const puzzle::Piece& piece = board->pieces[static_cast<std::size_t>(number)];
    SlideSprite(number, piece.col, piece.row);
    FrameSprite(number);
    if (board->state == puzzle::PlayState::Finished) {
        ShowWin();
    }
}

// The level is cleared and reported now; the panel waits for a sliding piece to arrive. A level
// picked from the list and won while the panel is still up is a win of its own: the panel shows
// its counts and it is reported like any other.
void BoardScreen::ShowWin() {
    progress.RecordClear(*board);
    core::Trace("当前是第%d 关\n", board->level);
    if (Sliding()) {
        winPanelDue = true;
    } else {
        winPanel.SetVisible(1);
    }
    const WinReport report{board->level, board->steps, guide.FewestFromStart(), guide.Assisted()};
    tally.Show(report);
    Report<const WinReport&>(onWin, report);
}

} // namespace game
