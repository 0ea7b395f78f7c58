#include "game/screens/BoardScreen.h"

#include <cassert>

#include "app/Application.h"
#include "audio/SoundManager.h"
#include "core/GameFolders.h"
#include "core/Trace.h"
#include "game/screens/WebLinks.h"
#include "platform/DocumentOpener.h"
#include "platform/Event.h"
#include "platform/Platform.h"
#include "puzzle/Board.h"

namespace game {

namespace {

// Board pixel (0, 0) on the panel, which itself lies 24 pixels down the screen.
constexpr int kBoardLeft = 14;
constexpr int kBoardTopOnPanel = 12;
constexpr int kBoardTopOnScreen = 36;
// Above the sprites, which all keep z 0.
constexpr std::uint32_t kFrameZ = 100;

bool IsPieceNumber(int number) {
    return number >= 1 && number <= puzzle::kMaxPieceNumber;
}

} // namespace

BoardScreen::BoardScreen(const core::GameFolders& folders)
    : folders(folders), levels(folders), progress(folders), entry(folders.LeaderboardFile()) {
    SetSize(800, 600);
    boardPanel.SetSize(800, 576);
    boardPanel.SetPosition(0, 24);
    levelSelect.SetSize(227, 484);
    levelSelect.SetPosition(433, 11);
    for (scene::Picture& frame : frames) {
        frame.SetVisible(0);
    }
    winPanel.SetVisible(0);
    entry.SetVisible(0);
    AddChildren();
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
}

BoardScreen::~BoardScreen() {
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
    if (audio::SoundManager* sound = audio::SoundManager::Current()) {
        sound->PlayClick();
    }
}

void BoardScreen::HandleTimerEvent(const std::string& /*name*/) {}

// --- Loading ---------------------------------------------------------------------------------

void BoardScreen::BuildBoardScreen() {
    boardPanel.SetSize(800, 576);
    boardPanel.SetPosition(0, 24);
    levelSelect.BuildLevelSelect(board, this, folders.Game());
    background.LoadImage(GameFile("Graphic\\UI\\desk.bmp"), 0, 0, 800, 600, 1);
    LoadEntry();
    overlay.LoadImage(GameFile("Graphic\\UI\\zhezhao.png"), 0, 0, 800, 480, 1);
    LoadSprites();
    LoadFrames();
    LoadStepCounter();
    LoadButtons();
    PlaceSpritesOfGrid();
    LoadWinPanel();
    help.Load(folders.Game());
}

void BoardScreen::LoadEntry() {
    entry.LoadImage(GameFile("Graphic\\UI\\pinput.bmp"), 225, 100, 350, 230, 1);
    entry.nameField.Configure(80, 98, 192, 23, LeaderboardEntry::kNameCapacity,
                              widgets::TextField::kAcceptsText | widgets::TextField::kMakesBuffer,
                              0xFFFFFF);
    entry.nameField.SetFocused(1);
    entry.okButton.Load(GameFile("Graphic\\Button\\i_rightbtn.bmp"), 40, 160, 560, 39);
    entry.cancelButton.Load(GameFile("Graphic\\Button\\i_nobtn.bmp"), 200, 160, 560, 39);
    if (app::Application* application = app::Application::Instance()) {
        application->AddCharListener(&entry);
    }
}

void BoardScreen::LoadSprites() {
    for (int number = 1; number <= puzzle::kMaxPieceNumber; ++number) {
        puzzle::Piece piece;
        piece.SetType(number);
        Sprite(number).LoadImage(
            GameFile(std::string("Graphic\\UI\\") + puzzle::Piece::PortraitImage(number)), 0, 0,
            piece.width, piece.height, 1);
    }
}

void BoardScreen::LoadFrames() {
    for (const puzzle::Shape shape :
         {puzzle::Shape::Across, puzzle::Shape::Erect, puzzle::Shape::Big, puzzle::Shape::Small}) {
        scene::Picture& frame = SelectionFrame(shape);
        frame.LoadImage(
            GameFile(std::string("Graphic\\Effects\\") + puzzle::Piece::FrameImage(shape)), 0, 0,
            puzzle::Piece::ColumnsOf(shape) * puzzle::kCellWidth,
            puzzle::Piece::RowsOf(shape) * puzzle::kCellHeight, 1);
        frame.SetVisible(0);
    }
}

void BoardScreen::LoadStepCounter() {
    stepCounter.SetPosition(547, 72);
    stepCounter.SetSize(32, 15);
    stepCounter.Load(GameFile("Graphic\\UI\\sfx_zi.bmp"), 0, 0, 80, 15, 4);
}

void BoardScreen::LoadButtons() {
    moreGamesButton.Load(GameFile("Graphic\\Button\\frameMoreGame.bmp"), 237, 520, 650, 50);
    clickMeButton.Load(GameFile("Graphic\\Button\\dianwo.bmp"), 28, 520, 650, 50);
    exitButton.Load(GameFile("Graphic\\Button\\tc.bmp"), 450, 520, 650, 50);
}

void BoardScreen::LoadWinPanel() {
    winPanel.LoadImage(GameFile("Graphic\\UI\\guog.bmp"), 255, 150, 304, 244, 1);
    nextLevelButton.Load(GameFile("Graphic\\Button\\xyg.bmp"), 35, 180, 500, 38);
    closeWinButton.Load(GameFile("Graphic\\Button\\qx.bmp"), 175, 180, 500, 38);
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
    if (board != nullptr) {
        levels.Start(*board, n);
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
}

void BoardScreen::PlaceSprite(int number, int col, int row) {
    Sprite(number).SetPosition(kBoardLeft + puzzle::kCellWidth * col,
                               kBoardTopOnPanel + puzzle::kCellHeight * row);
}

void BoardScreen::HideFrames() {
    for (scene::Picture& frame : frames) {
        frame.SetVisible(0);
    }
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

void BoardScreen::HandleMouse(core::MouseEvent* event) {
    if (event == nullptr || visible == 0) {
        return;
    }
    const int x = static_cast<int>(event->x);
    const int y = static_cast<int>(event->y);
    // The name entry is modal: its buttons lie over a level button and the board, which must
    // not react to the same click.
    if (entry.visible != 0) {
        HandleEntryMouse(*event, x, y);
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

void BoardScreen::HandleEntryMouse(const core::MouseEvent& event, int x, int y) {
    if (event.code == core::kMouseLeftUp &&
        (entry.okButton.OnMouseUp(x, y) || entry.cancelButton.OnMouseUp(x, y))) {
        // The entry closes itself; the game goes back to the menu shortly after.
        if (app::Application* application = app::Application::Instance()) {
            application->AddTimer(100, "resetgame", 1);
        }
    }
    entry.HandleMouse(event);
}

bool BoardScreen::OnRelease(int x, int y) {
    if (!help.OnRelease(x, y) && winPanel.visible != 0 && OnWinPanelRelease(x, y)) {
        return true;
    }
    // The link buttons act on the press.
    if (moreGamesButton.OnMouseUp(x, y) || clickMeButton.OnMouseUp(x, y)) {
        return true;
    }
    // The exit button acts on the release alone, wherever the press began.
    if (exitButton.OnMouseUp(x, y)) {
        if (app::Application* application = app::Application::Instance()) {
            application->PostEvent(platform::Event::Of(platform::EventKind::Close));
        }
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
        return true;
    }
    return false;
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
    PressOnBoard(x - kBoardLeft, y - kBoardTopOnScreen);
    return false;
}

bool BoardScreen::OnMove(int x, int y) {
    if (help.OnMove(x, y) || (winPanel.visible != 0 && (closeWinButton.OnMouseMove(x, y) ||
                                                        nextLevelButton.OnMouseMove(x, y)))) {
        return true;
    }
    // Hover frames: the first button under the pointer ends the search.
    if (!moreGamesButton.OnMouseMove(x, y) && !clickMeButton.OnMouseMove(x, y)) {
        exitButton.OnMouseMove(x, y);
    }
    return false;
}

void BoardScreen::OpenWebLink(int n) {
    WebLinks links;
    links.Read(folders.SettingsFile());
    if (app::Application* application = app::Application::Instance()) {
        application->GetPlatform().Opener().Open(links.Address(n));
    }
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
    if (board->MoveToward(boardX, boardY) != 1) {
        return;
    }
    stepCounter.SetValue(board->steps);
    const int number = board->selected;
    const puzzle::Piece& piece = board->pieces[static_cast<std::size_t>(number)];
    PlaceSprite(number, piece.col, piece.row);
    FrameSprite(number);
    if (board->CheckWin() == 1) {
        progress.RecordClear(*board);
        core::Trace("当前是第%d 关\n", board->level);
        winPanel.SetVisible(1);
    }
}

} // namespace game
