#pragma once

#include <string>
#include <vector>

#include "puzzle/Piece.h"

namespace game {

// The elements that hold images. Each lies at a fixed place inside its parent area; Screen is
// the 800 x 600 back buffer.
enum class Area {
    Screen,
    BoardPanel,   // the board screen below the title bar
    BoardGrid,    // board pixel (0, 0): the 4 x 5 cells
    LevelColumn,  // the level selection beside the board
    LevelList,    // the names of the page's levels, inside the level column
    StepCounter,  // the step count's digits, right-aligned
    SettingsPage, // the settings dialog
    LeavePage,    // the leave dialog
    WinPanel,
    NameEntry,
    NameField, // where the typed name is written, inside the name entry
    // The fewest steps left from the current position, under the step count; the steps taken
    // and the fewest the level can be won in, on the win panel.
    FewestCounter,
    WinSteps,
    WinFewest,
};

// Every image of the game outside the numbered families (level strips, pieces, frames).
enum class Image {
    Loading,
    LoadingBar,
    TitleBar,
    TitleIcon,
    MinimizeButton,
    FullScreenButton,
    CloseButton,
    MenuBackground,
    Logo,
    SettingsButton,
    LeaveButton,
    StartButton,
    LeaderboardButton,
    Leaderboard,
    SettingsPage,
    FullscreenTick,
    SettingsOk,
    SettingsCancel,
    SoundKnob,
    MusicKnob,
    BoardBackground,
    Overlay,
    NameEntry,
    NameOk,
    NameCancel,
    StepDigits,
    MoreGamesButton,
    ClickMeButton,
    ExitButton,
    ReturnButton,
    WinPanel,
    NextLevelButton,
    CloseWinButton,
    HelpPages,
    HelpPrevButton,
    HelpNextButton,
    LevelPrevButton,
    LevelNextButton,
    PassedMark,
    NotPassedMark,
    RowLine,
    FewestLabel, // the label and well of the fewest-steps counter
    HintButton,
    HintArrows,   // four frames: left, up, right, down
    HintMark,     // on the hinted piece, apart from the selection frame
    RecordDigits, // the player's best and the fewest possible, "23/21"
    RecordSeal,   // beside a level whose best is the fewest possible
    AssistedMark, // in place of the passed mark when every clear had a hint
    LeavePage,
    LeaveYesButton,
    LeaveNoButton, // the last
};

// Where an image goes: its file in the game folder ('/' between folders), its top-left corner
// in its area, the size of its whole strip and the number of frames side by side in it.
struct ImagePlace {
    std::string file;
    Area area = Area::Screen;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int frames = 1;
};

// An area's rectangle inside its parent area.
struct AreaPlace {
    Area parent = Area::Screen;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// The leaderboard's text cells inside its image: padding to the first cell, each column's
// width and every row's height.
struct TableCells {
    int rows = 0;
    int columns = 0;
    int left = 0;
    int top = 0;
    int columnWidths[2] = {};
    int rowHeight = 0;
};

// The line a volume knob slides along, in the settings page: from x0 to x1 at height y.
struct SliderTrack {
    int x0 = 0;
    int y = 0;
    int x1 = 0;
};

// Every image the game shows, written once: the game loads and places its images from here,
// the asset generator draws them at these sizes, and the previews compose them at these places.
class Layout {
public:
    static constexpr int kLevelsPerPage = 5;
    // Between the rows of level buttons, and between the rows of names, marks and lines.
    static constexpr int kLevelRowSpacing = 33;
    static constexpr int kListRowSpacing = 20;

    static const ImagePlace& Of(Image image);
    static const AreaPlace& Of(Area area);
    // The top-left corner of an area on the screen.
    static ScreenPoint Origin(Area area);
    // The top-left corner of an image on the screen, as its place gives it.
    static ScreenPoint OnScreen(const ImagePlace& place);

    // Level button and level name `level` (1..kLevelCount), on the row their page gives them.
    static ImagePlace LevelButton(int level);
    static ImagePlace LevelName(int level);
    // The portrait of piece `number` (1..kMaxPieceNumber) at board pixel (0, 0); the board
    // screen moves it onto the piece's cells.
    static ImagePlace PiecePortrait(int number);
    // The frame around a selected piece of `shape`, at board pixel (0, 0) like the portraits.
    static ImagePlace SelectionFrame(puzzle::Shape shape);

    static const TableCells& LeaderboardCells();
    static SliderTrack SoundTrack();
    static SliderTrack MusicTrack();

    // Every image file once, with the first place given to it.
    static std::vector<ImagePlace> AllImages();
};

} // namespace game
