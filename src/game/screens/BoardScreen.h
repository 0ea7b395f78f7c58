#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/InputReceiver.h"
#include "core/Input.h"
#include "game/PlacedImage.h"
#include "game/screens/BoardView.h"
#include "game/screens/HelpPanel.h"
#include "game/screens/LeaderboardEntry.h"
#include "game/screens/LevelSelect.h"
#include "game/screens/LinkButtons.h"
#include "game/screens/RouteGuide.h"
#include "game/screens/ScreenTimers.h"
#include "game/screens/WinPanel.h"
#include "game/screens/WinReport.h"
#include "scene/Element.h"
#include "scene/Picture.h"

namespace app {
class CharListener;
}
namespace core {
class GameFolders;
}
namespace platform {
class Clock;
class DocumentOpener;
class TextRenderer;
} // namespace platform

namespace game {

class Play;

// The screen on which the puzzle is played, 800 x 600 at the window's origin: the board view,
// the link and exit buttons, the hint guide, the help pages, the level selection, the win panel
// and the name entry. It reports what the player does to the play and shows what the play
// answers.
//
// Keys: Tab and Shift+Tab select the next or previous piece in reading order, the arrows move
// the selected piece one cell, H shows a hint, Enter on the win panel goes on to the next level,
// and Page Up and Page Down reach the level selection. While the name entry is up every key is
// its own: none reaches the board, the win panel or the level selection.
//
// A win is counted at its move; when the winning piece slides, the win panel comes up when it
// arrives.
class BoardScreen : public scene::Element, public app::InputReceiver {
public:
    // Everything given must outlive the screen. The name entry draws with `text`, its caret
    // blinking by `caretClock`; without a slide clock pieces never slide.
    BoardScreen(const core::GameFolders& folders, Play& play, platform::DocumentOpener& opener,
                platform::TextRenderer& text, const platform::Clock& caretClock,
                const platform::Clock* slideClock = nullptr);
    ~BoardScreen() override;

    // Loads every image; after each display set-up. The help panel goes back to page 1 and no
    // selection frame is shown; the board's selection is kept, and a win panel or name entry
    // that was up stays up, so a display switch never loses a pending win.
    void BuildBoardScreen(const ImageSource& images);
    // Starts level n from its file and shows it.
    void StartLevel(int n);
    // A new attempt from the menu: the play's current level, with no name entry, dim picture or
    // win panel left from an earlier one; the name entry starts a new sitting.
    void StartAttempt();
    // Shows the board's grid and step count; after every load of a level.
    void ShowBoard();
    // Every input event while the board is shown: the name entry takes all while it is up;
    // otherwise the key table, then the parts, then the level selection. Consumes nothing.
    bool Handle(const core::Input& event) override;
    bool Shown() const override { return ShownInTree(); }
    // Moves a sliding piece on by the clock, then draws the screen; asks for the next frame
    // while the slide goes on.
    void Draw(gfx::Display& target) override;
    bool Sliding() const { return view.Sliding(); }
    // Timer events are offered here first; the screen takes those of its route guide.
    void HandleTimerEvent(const std::string& name);
    // Asks the play for a hint while no win panel shows. The selection frame stays where the
    // player put it.
    void ShowHint();
    // Shows the name entry for `score` when it beats the last row of the results table.
    void OfferNameEntry(int score);

    // Wired by the game to its timers.
    ScreenTimers timers;

    // A move won the level: the win panel shows it, or will when the piece arrives.
    std::function<void(const WinReport&)> onWon;
    // The win panel's close button: the level stays won, with no next level chosen.
    std::function<void()> onWinClosed;
    // The name entry's OK or cancel button: the entry has closed itself.
    std::function<void()> onEntryAnswered;
    // A button, here, in the level list or in the name entry, took a press.
    std::function<void()> onClick;
    // The exit button was released on.
    std::function<void()> onExit;
    // Wired by the game to its character dispatch: the name entry registers at every load.
    std::function<void(app::CharListener*)> addCharListener;

    // Loaded here, shown by the game behind its dialogs; not in this screen's tree.
    scene::Picture& Overlay() { return overlay; }
    // Loaded and registered for typed characters here, shown by the game over the board; not
    // in this screen's tree.
    LeaderboardEntry& Entry() { return entry; }
    BoardView& View() { return view; }
    game::WinPanel& WinPanel() { return winPanel; }
    LinkButtons& Links() { return links; }
    LevelSelect& LevelList() { return levelSelect; }
    HelpPanel& Help() { return help; }
    RouteGuide& Guide() { return guide; }

private:
    // When a key acts: the board's keys while no win panel shows, the panel's while it shows.
    enum class KeyScope { Board, WinPanel, Always };
    struct KeyBinding {
        std::uint32_t code;
        KeyScope scope;
        std::function<void(const core::Input& event)> act;
    };

    void AddChildren();
    void Wire();
    void BindKeys();
    void LoadEntry(const ImageSource& images);
    void PlayClick();
    void HandleEntryMouse(const core::Input& event);
    // True when a key of the table acts on the event.
    bool RunKey(const core::Input& event);
    void OfferLevelList(const core::Input& event);
    // Offers the event to the parts in turn; true when one takes it.
    bool OfferParts(const core::Input& event);
    void GoToNextLevel();
    // What the play answers.
    void ShowMove(int number, int col, int row);
    void ShowWin(const WinReport& report);

    const core::GameFolders& folders;
    Play& play;
    std::vector<KeyBinding> keys;
    BoardView view;
    game::WinPanel winPanel;
    LinkButtons links;
    HelpPanel help;
    LevelSelect levelSelect;
    LeaderboardEntry entry;
    scene::Picture overlay;
    RouteGuide guide;
};

} // namespace game
