#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "core/Input.h"
#include "game/LevelLoader.h"
#include "game/PlacedImage.h"
#include "game/ProgressStore.h"
#include "game/screens/HelpPanel.h"
#include "game/screens/LeaderboardEntry.h"
#include "game/screens/LevelSelect.h"
#include "game/screens/RouteGuide.h"
#include "game/screens/ScreenTimers.h"
#include "game/screens/WinReport.h"
#include "game/screens/WinTally.h"
#include "puzzle/Direction.h"
#include "puzzle/Geometry.h"
#include "puzzle/Piece.h"
#include "scene/Element.h"
#include "scene/Picture.h"
#include "widgets/Button.h"
#include "widgets/NumberDisplay.h"
#include "widgets/Slide.h"

namespace app {
class Application;
}
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

// The screen on which the puzzle is played, 800 x 600 at the window's origin: the background,
// the piece sprites and the selection frame, the step counter, the link and exit buttons, the
// help pages, the level selection and the win panel. It turns presses and keys into moves on the
// Board, which it does not own. Board pixel (0, 0) lies at screen (14, 36).
//
// Keys: Tab and Shift+Tab select the next or previous piece in reading order, the arrows move
// the selected piece one cell, H shows a hint, Enter on the win panel goes on to the next level,
// and Page Up and Page Down reach the level selection. While the name entry is up every key is
// its own: none reaches the board, the win panel or the level selection.
//
// With a clock, a moved piece slides into its new cell (SlideTime) instead of jumping; the move
// itself, its step and its win are counted at once, and the win panel comes up when the slide
// ends. A press or a key during a slide ends it first.
class BoardScreen : public scene::Element {
public:
    // The application takes the screen's events, its name entry's characters and its links;
    // it, the folders and the clock must outlive the screen. Without a clock pieces never slide.
    BoardScreen(const core::GameFolders& folders, app::Application& application,
                const platform::Clock* clock = nullptr);
    ~BoardScreen() override;

    // A null board is ignored.
    void SetBoard(puzzle::Board* newBoard);
    puzzle::Board* GetBoard() const { return board; }
    // Loads every image; after each display set-up. The help panel goes back to page 1 and no
    // selection frame is shown; the board's selection is kept, and a win panel or name entry
    // that was up stays up, so a display switch never loses a pending win.
    void BuildBoardScreen(const ImageSource& images);
    // Starts level n on the board from its file and shows it.
    void StartLevel(int n);
    // Shows the board's grid and step count; after every load of a level.
    void ShowBoard();
    // Every input event while the board is shown; nothing happens while the screen is hidden.
    // What the screen does not consume goes on to the level selection and the name entry.
    void HandleMouse(core::Input* event);
    // HandleMouse as a receiver of the game's input; consumes nothing.
    bool Handle(const core::Input& event) {
        core::Input copy = event;
        HandleMouse(&copy);
        return false;
    }
    // Moves a sliding piece on by the clock, then draws the screen; asks for the next frame
    // while the slide goes on.
    void Draw(gfx::Display& target) override;
    // True while a moved piece is on its way to its cell.
    bool Sliding() const { return slide && slide->Running(); }
    // Timer events are offered here first; the screen takes those of its route guide.
    void HandleTimerEvent(const std::string& name);
    // Marks the piece of the next step of a shortest way to a win and shows its direction for a
    // moment, while a level is being played and its distance table is ready. The selection
    // frame stays where the player put it.
    void ShowHint();

    // Wired by the game to its timers.
    ScreenTimers timers;

    // A move won the level and brought the win panel up.
    std::function<void(const WinReport&)> onWin;
    // The win panel's close button: the level stays won, with no next level chosen.
    std::function<void()> onWinClosed;
    // The name entry's OK or cancel button: the entry has closed itself.
    std::function<void()> onEntryAnswered;

    // A button, here, in the level list or in the name entry, took a press.
    std::function<void()> onClick;

    // Loaded here, shown by the game behind its dialogs; not in this screen's tree.
    scene::Picture& Overlay() { return overlay; }
    // Loaded and registered for typed characters here, shown by the game over the board; not
    // in this screen's tree.
    LeaderboardEntry& Entry() { return entry; }
    scene::Picture& WinPanel() { return winPanel; }
    widgets::NumberDisplay& StepCounter() { return stepCounter; }
    LevelSelect& LevelList() { return levelSelect; }
    scene::Element& BoardPanel() { return boardPanel; }
    HelpPanel& Help() { return help; }
    // number is 1..kMaxPieceNumber.
    scene::Picture& Sprite(int number);
    scene::Picture& SelectionFrame(puzzle::Shape shape) {
        return frames[static_cast<std::size_t>(shape)];
    }
    widgets::Button& NextLevelButton() { return nextLevelButton; }
    widgets::Button& CloseWinButton() { return closeWinButton; }
    widgets::Button& MoreGamesButton() { return moreGamesButton; }
    widgets::Button& ClickMeButton() { return clickMeButton; }
    widgets::Button& ExitButton() { return exitButton; }
    RouteGuide& Guide() { return guide; }
    WinTally& Tally() { return tally; }

private:
    void PlayClick();
    void HandleEntryMouse(const core::Input& event, int x, int y);
    // Each returns true when the event is consumed here.
    bool OnRelease(int x, int y);
    bool OnPress(int x, int y);
    bool OnMove(int x, int y);
    bool OnWinPanelRelease(int x, int y);
    // True when the key is the board's or the win panel's.
    bool OnKey(std::uint32_t code);
    // Selects the piece under the board pixel, or moves the selected one toward it.
    void PressOnBoard(int boardX, int boardY);
    void MoveSelectedToward(int boardX, int boardY);
    void MoveSelected(puzzle::Direction direction);
    void SelectNext(bool backward);
    // Shows the move the board just made: the step, the piece on its way, and a win.
    void ShowMove();
    void ShowWin();
    void GoToNextLevel();
    void PlaceSprite(int number, int col, int row);
    // Where a piece's sprite stands on the board panel when anchored at (col, row).
    static std::pair<int, int> CellPlace(int col, int row);
    // The slide takes the piece to its cell, or it is placed there at once.
    void SlideSprite(int number, int col, int row);
    // Moves the sliding piece on; true while it is still on its way.
    bool StepSlide();
    // Puts a sliding piece in its cell at once.
    void FinishSlide();
    // The piece arrived: the selection frame follows it and a waiting win panel comes up.
    void FollowSlide();
    void EndSlide();
    // Shows only the frame of the piece's shape, over its sprite and above the sprites.
    void FrameSprite(int number);
    void HideFrames();
    void OpenWebLink(int n);

    void AddChildren();
    void LoadEntry(const ImageSource& images);
    void LoadSprites(const ImageSource& images);
    void LoadFrames(const ImageSource& images);
    void LoadStepCounter(const ImageSource& images);
    void LoadButtons(const ImageSource& images);
    void LoadWinPanel(const ImageSource& images);
    void PlaceSpritesOfGrid();

    // A file of the game folder.
    std::string GameFile(const std::string& relative) const;

    const core::GameFolders& folders;
    app::Application& application;
    // Null without a clock.
    std::unique_ptr<widgets::Slide> slide;
    // How long a slide takes; 0 places pieces at once. Read at every level start.
    std::uint32_t slideMs = 0;
    // The move that slides won the level; the panel comes up when it arrives.
    bool winPanelDue = false;
    LevelLoader levels;
    ProgressStore progress;
    puzzle::Board* board = nullptr;
    scene::Picture background;
    scene::Element boardPanel;
    std::array<scene::Picture, puzzle::kMaxPieceNumber> sprites;
    // Indexed by Shape.
    std::array<scene::Picture, 4> frames;
    widgets::NumberDisplay stepCounter;
    widgets::Button moreGamesButton;
    widgets::Button clickMeButton;
    widgets::Button exitButton;
    scene::Picture winPanel;
    widgets::Button nextLevelButton;
    widgets::Button closeWinButton;
    HelpPanel help;
    LevelSelect levelSelect;
    LeaderboardEntry entry;
    scene::Picture overlay;
    RouteGuide guide{timers};
    WinTally tally;
};

} // namespace game
