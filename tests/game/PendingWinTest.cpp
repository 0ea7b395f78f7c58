// A won level waiting for the player: the win panel, the name entry after it, and the leave
// dialog or a display switch arriving while either is up.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "GameFixture.h"
#include "game/RecordsFile.h"
#include "game/screens/LeaderboardFile.h"
#include "platform/FileSystem.h"
#include "puzzle/Board.h"

using namespace core;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace puzzle;
using namespace game;

namespace gametest {
namespace {

class PendingWinTest : public GameFixture {
protected:
    LeaderboardEntry& Entry() { return Game().boardScreen.Entry(); }
    Picture& WinPanel() { return Game().boardScreen.WinPanel(); }
    const Board& GameBoard() { return Game().GetBoard(); }

    // Starts on level 1 and plays it to the win panel, or, when slides are on and `waitForPanel`
    // is false, to the start of the winning piece's slide.
    void WinLevelOne(bool waitForPanel = true) {
        ASSERT_NO_FATAL_FAILURE(Launch());
        ASSERT_NO_FATAL_FAILURE(StartFromMenu());
        ASSERT_EQ(GameBoard().level, 1);
        ASSERT_NO_FATAL_FAILURE(PlayShortestSolution());
        if (waitForPanel) {
            ASSERT_NO_FATAL_FAILURE(FinishSlide());
            ASSERT_TRUE(WinPanel().visible);
        }
    }

    // Closes the win panel, which offers the name entry (the default table's scores are 0).
    void OpenEntry() {
        Click(Game().boardScreen.WinPanel().closeButton);
        ASSERT_FALSE(WinPanel().visible);
        ASSERT_TRUE(Entry().visible);
    }

    // Picks `level` from the first page of the level list and wins it.
    void WinLevel(int level) {
        Click(Game().boardScreen.LevelList().LevelButton(level));
        ASSERT_EQ(GameBoard().level, level);
        ASSERT_NO_FATAL_FAILURE(PlayShortestSolution());
        ASSERT_NO_FATAL_FAILURE(FinishSlide());
        ASSERT_TRUE(WinPanel().visible);
    }

    std::string Typed() {
        int length = 0;
        const char* text = Entry().nameField.GetText(length);
        return text != nullptr ? std::string(text, static_cast<std::size_t>(length)) : "";
    }

    // Record r of st.data as stored: the score's four bytes, then the 14 name bytes.
    std::string Row(int r) const { return folder.Read("st.data").substr(18 * r, 18); }
    static std::string RowOf(char score, const std::string& name) {
        std::string row{score, '\0', '\0', '\0'};
        row += name;
        row.resize(18, '\0');
        return row;
    }
    int RowsNamed(const std::string& name) const {
        LeaderboardFile::Table table{};
        EXPECT_TRUE(LeaderboardFile::Read(folder.File("st.data"), table));
        return static_cast<int>(
            std::count_if(table.begin(), table.end(), [&name](const LeaderboardFile::Record& r) {
                return LeaderboardFile::NameText(r) == name;
            }));
    }

    void ExpectLeaveDialogOnTop() {
        ASSERT_TRUE(Game().Leave().visible);
        ASSERT_NO_FATAL_FAILURE(Render());
        // (260, 190) lies on the dialog's page and, when it is up, on the name entry's too.
        EXPECT_EQ(Pixel(260, 190), ColourOf("Graphic/setting/leave_lable.bmp"));
    }

    void ExpectMenu() {
        EXPECT_EQ(Game().screenState, GameApplication::kMainMenu);
        EXPECT_TRUE(Game().Menu().frame.visible);
        EXPECT_FALSE(Game().boardFrame.visible);
    }
};

// The flows a sliding piece can change, played with pieces jumping and with them sliding.
class PendingWinEitherWayTest : public PendingWinTest, public ::testing::WithParamInterface<bool> {
protected:
    PendingWinEitherWayTest() { WriteSettings(GetParam()); }
};

INSTANTIATE_TEST_SUITE_P(Pieces, PendingWinEitherWayTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Sliding" : "Jumping";
                         });

TEST_F(PendingWinTest, EnterStoresTheTypedNameAndNothingMore) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    ASSERT_NO_FATAL_FAILURE(OpenEntry());
    Type("abc");
    PressKey(platform::Key::Enter);
    EXPECT_FALSE(Entry().visible);
    EXPECT_EQ(Row(0), RowOf(1, "abc")) << "no carriage return after the name";

    // Escape and Backspace while typing: Escape is no character, Backspace still erases.
    ASSERT_NO_FATAL_FAILURE(WinLevel(2));
    ASSERT_NO_FATAL_FAILURE(OpenEntry());
    Type("xy");
    PressKey(platform::Key::Backspace);
    Send(Event::Char(27));
    Send(Event::Char(0x7F));
    EXPECT_EQ(Typed(), "x");
}

// Win panel and leave dialog: the dialog's buttons lie over the panel's and act alone. Escape
// comes while the winning piece may still be sliding.
TEST_P(PendingWinEitherWayTest, LeaveDialogOverTheWinPanelTakesItsOwnClicks) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne(false));
    Tap(platform::Key::Escape);
    ASSERT_NO_FATAL_FAILURE(ExpectLeaveDialogOnTop());

    Click(Game().Leave().noButton);
    EXPECT_FALSE(Game().Leave().visible);
    EXPECT_TRUE(WinPanel().visible) << "the close button under leave-no stays untouched";
    EXPECT_FALSE(Entry().visible);
    EXPECT_EQ(Game().screenState, GameApplication::kPlaying);

    Tap(platform::Key::Escape);
    Click(Game().Leave().yesButton);
    ExpectMenu();
    EXPECT_EQ(GameBoard().level, 1) << "the next-level button under leave-yes stays untouched";

    // Escape twice: back to the panel, whose next-level button still leads on.
    ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    ASSERT_NO_FATAL_FAILURE(PlayShortestSolution());
    Tap(platform::Key::Escape);
    EXPECT_FALSE(Game().boardScreen.Sliding());
    Tap(platform::Key::Escape);
    ASSERT_TRUE(WinPanel().visible);
    Click(Game().boardScreen.WinPanel().nextButton);
    EXPECT_EQ(GameBoard().level, 2);
}

// Name entry and leave dialog: the dialog stands over the entry, which waits under it.
TEST_F(PendingWinTest, LeaveDialogOverTheNameEntryPausesItUntilClosed) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    ASSERT_NO_FATAL_FAILURE(OpenEntry());
    const std::string results = folder.Read("st.data");
    Type("ab");
    Tap(platform::Key::Escape);
    ASSERT_NO_FATAL_FAILURE(ExpectLeaveDialogOnTop());
    EXPECT_FALSE(Entry().nameField.focused) << "no caret under the dialog";
    Type("zz");
    Click(Entry().okButton);
    EXPECT_TRUE(Entry().visible);
    EXPECT_TRUE(Game().Leave().visible);
    EXPECT_EQ(folder.Read("st.data"), results) << "the entry's OK lies under the dialog";

    Click(Game().Leave().noButton);
    EXPECT_FALSE(Game().Leave().visible);
    ASSERT_TRUE(Entry().visible);
    EXPECT_TRUE(Entry().nameField.focused);
    EXPECT_EQ(Typed(), "ab");
    Type("c");
    Click(Entry().okButton);
    EXPECT_EQ(Row(0), RowOf(1, "abc"));
    Advance(100);
    ExpectMenu();
}

TEST_F(PendingWinTest, LeavingFromOverTheNameEntryAbandonsIt) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    const std::string results = folder.Read("st.data");
    for (const bool byEnter : {false, true}) {
        SCOPED_TRACE(byEnter ? "Enter in the dialog" : "leave-yes");
        ASSERT_NO_FATAL_FAILURE(OpenEntry());
        Type("ab");
        Tap(platform::Key::Escape);
        if (byEnter) {
            PressKey(platform::Key::Enter);
        } else {
            Click(Game().Leave().yesButton);
        }
        ExpectMenu();
        EXPECT_FALSE(Entry().visible);
        EXPECT_EQ(folder.Read("st.data"), results);
        Type("q");
        PressKey(platform::Key::Enter);
        ASSERT_EQ(Game().screenState, GameApplication::kPlaying) << "Enter starts a game";
        EXPECT_FALSE(Entry().visible);
        ASSERT_NO_FATAL_FAILURE(PlayShortestSolution());
    }
}

TEST_F(PendingWinTest, SwitchingWindowsOverTheNameEntryOpensTheDialogAboveIt) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    ASSERT_NO_FATAL_FAILURE(OpenEntry());
    Send(Event::Of(EventKind::Deactivated));
    EXPECT_EQ(Game().screenState, GameApplication::kLeaveDialogOpen);
    EXPECT_EQ(Pixel(260, 190), ColourOf("Graphic/setting/leave_lable.bmp"))
        << "the frame drawn on the way out";
    Send(Event::Of(EventKind::Activated));
    Tap(platform::Key::Escape);
    EXPECT_TRUE(Entry().visible);
    Type("w");
    PressKey(platform::Key::Enter);
    EXPECT_EQ(Row(0), RowOf(1, "w"));
}

TEST_P(PendingWinEitherWayTest, OneSittingHoldsOneRowWithItsRunningTotal) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    ASSERT_NO_FATAL_FAILURE(OpenEntry());
    Type("Ann");
    PressKey(platform::Key::Enter);
    ASSERT_EQ(Game().screenState, GameApplication::kPlaying) << "Enter stays on the board";
    ASSERT_EQ(Row(0), RowOf(1, "Ann"));

    ASSERT_NO_FATAL_FAILURE(WinLevel(2));
    ASSERT_NO_FATAL_FAILURE(OpenEntry());
    EXPECT_EQ(Entry().score, 2);
    Type("Ann");
    PressKey(platform::Key::Enter);
    EXPECT_EQ(Row(0), RowOf(2, "Ann"));
    EXPECT_EQ(Row(1), RowOf(0, "TOvak")) << "the sitting's first row was replaced";
    EXPECT_EQ(RowsNamed("Ann"), 1);

    // A new sitting enters a row of its own.
    Tap(platform::Key::Escape);
    Tap(platform::Key::Enter);
    ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    ASSERT_NO_FATAL_FAILURE(PlayShortestSolution());
    ASSERT_NO_FATAL_FAILURE(FinishSlide());
    ASSERT_NO_FATAL_FAILURE(OpenEntry());
    Type("Bo");
    PressKey(platform::Key::Enter);
    EXPECT_EQ(Row(0), RowOf(2, "Ann"));
    EXPECT_EQ(Row(1), RowOf(1, "Bo"));
}

// A level picked from the list and won while the panel of the last win is still up.
TEST_P(PendingWinEitherWayTest, ASecondWinUnderTheOpenPanelIsShownRecordedAndCounted) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    ASSERT_EQ(Game().boardScreen.WinPanel().tally.steps.value, 5);
    ASSERT_NO_FATAL_FAILURE(WinLevel(2));
    EXPECT_EQ(Game().boardScreen.WinPanel().tally.steps.value, 6);
    EXPECT_EQ(Game().boardScreen.WinPanel().tally.fewest.value, 6);
    EXPECT_EQ(Game().Records().Of(2).best, 6);
    PersonalRecords stored;
    ASSERT_EQ(RecordsFile::Read(platform::OpenFile(folder.File("records.dat"), "rb").get(), stored),
              RecordsFile::Status::Ok);
    EXPECT_EQ(stored.Of(2).best, 6) << "records.dat holds level 2";
    EXPECT_EQ(Game().LevelsWonSinceStart(), 2);
    EXPECT_EQ(ReadProgress(), (std::vector<std::int32_t>{1, 2}));
}

// With the name entry open over a level being played, the game's keys are the entry's: no
// hint, selection, move, page turn or next level reaches the board, and H is typed.
TEST_P(PendingWinEitherWayTest, EveryKeyUnderTheOpenNameEntryIsTheEntrysOwn) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    Click(Game().boardScreen.LevelList().LevelButton(2));
    ASSERT_NO_FATAL_FAILURE(OpenEntry());
    ASSERT_EQ(GameBoard().state, PlayState::Playing);
    RouteGuide& guide = Game().boardScreen.Guide();
    Game().play.FewestFromStart();
    Advance(RouteGuide::kPollMs);
    const LevelFile::Grid grid = GameBoard().grid;
    const int page = Game().boardScreen.LevelList().Page();

    Send(Event::Char('Z'));
    Send(Event::Char('h'));
    Tap(platform::Key::H);
    for (const platform::Key key :
         {platform::Key::Tab, platform::Key::Left, platform::Key::Up, platform::Key::Right,
          platform::Key::Down, platform::Key::PageDown, platform::Key::PageUp}) {
        Tap(key);
    }
    platform.keys.OnKeyChange(platform::Key::LeftShift, true);
    Tap(platform::Key::Tab);
    platform.keys.OnKeyChange(platform::Key::LeftShift, false);
    EXPECT_FALSE(guide.HintShown());
    EXPECT_FALSE(Game().play.Assisted());
    EXPECT_FALSE(Game().boardScreen.Sliding());
    EXPECT_EQ(GameBoard().selected, 0);
    EXPECT_EQ(GameBoard().steps, 0);
    EXPECT_EQ(GameBoard().grid, grid);
    EXPECT_EQ(Game().boardScreen.LevelList().Page(), page);
    EXPECT_TRUE(Entry().visible);
    EXPECT_EQ(Typed(), "Zh");

    PressKey(platform::Key::Enter);
    EXPECT_FALSE(Entry().visible);
    EXPECT_EQ(Row(0), RowOf(1, "Zh"));
    EXPECT_EQ(GameBoard().level, 2) << "Enter went to the entry, not to a next level";
    EXPECT_EQ(GameBoard().steps, 0);
}

TEST_F(PendingWinTest, DisplaySwitchKeepsTheWinPanel) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    Send(Event::Command(CommandId::ToggleFullScreen));
    ASSERT_FALSE(Game().WantsWindow());
    EXPECT_TRUE(WinPanel().visible);
    ASSERT_NO_FATAL_FAILURE(Render());
    EXPECT_EQ(Pixel(WinPanel().screenX + 5, WinPanel().screenY + 5),
              ColourOf("Graphic/UI/guog.bmp"));
    Send(Event::Command(CommandId::ToggleFullScreen));
    ASSERT_TRUE(Game().WantsWindow());
    ASSERT_TRUE(WinPanel().visible);
    Click(Game().boardScreen.WinPanel().nextButton);
    EXPECT_EQ(GameBoard().level, 2);
    EXPECT_FALSE(WinPanel().visible);
}

TEST_F(PendingWinTest, DisplaySwitchKeepsTheNameEntryAndWhatWasTyped) {
    ASSERT_NO_FATAL_FAILURE(WinLevelOne());
    ASSERT_NO_FATAL_FAILURE(OpenEntry());
    Type("ab");
    Send(Event::Command(CommandId::ToggleFullScreen));
    ASSERT_TRUE(Entry().visible);
    EXPECT_EQ(Typed(), "ab");
    EXPECT_TRUE(Entry().nameField.focused);
    ASSERT_NO_FATAL_FAILURE(Render());
    EXPECT_EQ(Pixel(Entry().screenX + 3, Entry().screenY + 3), ColourOf("Graphic/UI/pinput.bmp"));
    Type("c");
    PressKey(platform::Key::Enter);
    EXPECT_EQ(Row(0), RowOf(1, "abc"));
}

} // namespace
} // namespace gametest
