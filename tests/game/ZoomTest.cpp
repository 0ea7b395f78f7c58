#include "GameFixture.h"

namespace gametest {
namespace {

using platform::MouseAction;
using platform::Rect;

// The game on a 2048x1536 desktop, driven through window coordinates as the desktop delivers
// them.
class ZoomTest : public GameFixture {
protected:
    ZoomTest() {
        Presenter().screenWidth = 2048;
        Presenter().screenHeight = 1536;
        Presenter().usableBounds = {0, 0, 2048, 1536};
    }

    platform::MemoryPresenter& Presenter() { return Screen().recorder; }

    // A click at a point of the window: mapped into the frame by the window's zoom.
    void ClickWindowAt(int x, int y) {
        Screen().PostMouseAt(MouseAction::LeftDown, x, y);
        Screen().PostMouseAt(MouseAction::LeftUp, x, y);
        game->DispatchMessages();
    }

    void Close() {
        game->PostEvent(Event::Of(EventKind::Close));
        EXPECT_FALSE(game->DispatchMessages());
        game.reset();
    }
};

TEST_F(ZoomTest, AtTwiceTheSizeAClickOnTheStartButtonsNewPlaceStartsTheGame) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    EXPECT_EQ(Presenter().ClientBounds(), (Rect{224, 168, 1824, 1368})) << "the first start's pick";
    const Element& start = Game().Menu().startButton;
    const int x = start.screenX + start.width / 2;
    const int y = start.screenY + start.height / 2;

    // The button's place at 1x lies on the menu's background at 2x: nothing starts.
    ClickWindowAt(x, y);
    EXPECT_NE(Game().screenState, GameApplication::kPlaying);

    ClickWindowAt(2 * x, 2 * y);
    EXPECT_EQ(Game().screenState, GameApplication::kPlaying);
    ASSERT_NO_FATAL_FAILURE(Render());
    EXPECT_EQ(Presenter().frameWidth, 800) << "the game draws 800x600 at any zoom";
    EXPECT_EQ(Presenter().frameHeight, 600);
}

TEST_F(ZoomTest, TheZoomKeysWorkOnEveryScreenAndTheChoiceOutlivesTheGame) {
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    const GameApplication* before = game.get();
    Send(Event::Command(CommandId::ZoomIn));
    EXPECT_EQ(Presenter().ClientBounds().Width(), 2000);
    Send(Event::Command(CommandId::ZoomIn));
    EXPECT_EQ(Presenter().ClientBounds().Width(), 2000) << "3x does not fit";
    Send(Event::Command(CommandId::ZoomOut));
    Send(Event::Command(CommandId::ZoomOut));
    EXPECT_EQ(Presenter().ClientBounds().Width(), 1200);
    EXPECT_EQ(Game().screenState, GameApplication::kPlaying) << "the game goes on";
    EXPECT_EQ(game.get(), before);
    EXPECT_EQ(Setting("set", "zoom"), "150");
    Close();

    // The next start, as a new process with a window at 1x.
    Presenter().SetZoom(100);
    ASSERT_NO_FATAL_FAILURE(Launch());
    EXPECT_EQ(Presenter().Zoom(), 150);
    EXPECT_EQ(Presenter().ClientBounds(), (Rect{424, 318, 1624, 1218}));
}

} // namespace
} // namespace gametest
