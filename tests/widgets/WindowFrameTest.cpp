#include <gtest/gtest.h>

#include "QuietApplication.h"

#include <string>
#include <vector>

#include "ImageFiles.h"
#include "TempDir.h"
#include "app/Application.h"
#include "gfx/DisplayFixture.h"
#include "gfx/ImageCache.h"
#include "platform/memory/HeadlessPlatform.h"
#include "widgets/Button.h"
#include "widgets/WindowFrame.h"

using namespace core;
using namespace gfx;
using namespace scene;
using namespace app;
using namespace widgets;
using platform::Event;

namespace {

constexpr std::uint16_t kWhite = 0xFFFF;
constexpr std::uint16_t kRed = 0xF800;
constexpr std::uint16_t kGreen = 0x07E0;
constexpr std::uint16_t kBlue = 0x001F;
constexpr std::uint16_t kYellow = 0xFFE0;

// An 800 x 600 frame at (0, 0) in a headless application, drawn on an in-memory back buffer:
// a white background, a red 50 x 50 child at (100, 100), and a title bar of 800 x 30 (green)
// with a 20 x 20 icon and 20 x 20 buttons from a 100-pixel strip.
class WindowFrameTest : public DisplayFixture {
protected:
    WindowFrameTest() {
        frame.SetSize(800, 600);
        frame.SetPosition(0, 0);
        frame.SetBackground(*display, Solid("back.bmp", 800, 600, 0xFFFFFF), 800, 600);
        EXPECT_EQ(
            piece.LoadImage(*display, Solid("piece.bmp", 50, 50, 0xFF0000), 100, 100, 50, 50, 1),
            1);
        frame.AddChild(&piece);
    }
    ~WindowFrameTest() override { frame.RemoveChild(&piece); }

    std::string Solid(const std::string& name, int width, int height, std::uint32_t colour) {
        dir.Write(name, EncodeBmp8(width, height,
                                   std::vector<std::uint32_t>(
                                       static_cast<std::size_t>(width) * height, colour)));
        return dir.File(name);
    }
    void AddTitleBar(int stripWidth = 100) {
        frame.SetTitleBar(*display, Solid("title.bmp", 800, 30, 0x00FF00), 800, 30);
        frame.SetIcon(*display, Solid("icon.bmp", 20, 20, 0x0000FF), 20, 20);
        const std::string strip = Solid("buttons.bmp", stripWidth, 20, 0xFFFF00);
        frame.SetMinimizeButton(*display, strip, stripWidth, 20);
        frame.SetCommandButton(*display, strip, stripWidth, 20);
        frame.SetCloseButton(*display, strip, stripWidth, 20);
    }
    void Draw() {
        display->ClearBackBuffer(0);
        frame.Draw(*display);
    }
    // Offered as the application offers it: a hidden frame is passed by.
    void Send(std::uint32_t code, int x, int y) {
        frame.Offer({code, static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)});
    }
    std::vector<Event> Posted() {
        std::vector<Event> events;
        for (Event event; platform.Queue().TryTake(event);) {
            events.push_back(event);
        }
        return events;
    }
    std::vector<std::uint16_t> Screen() {
        const std::uint16_t* first = Back().Row(0);
        return {first, first + static_cast<std::ptrdiff_t>(Back().Description().pitch / 2) * 600};
    }

    TempGameFolder game;
    const AppSettings settings{game.Folders().SettingsFile()};
    platform::HeadlessPlatform platform;
    QuietApplication app{platform, game.Folders(), settings};
    TempDir dir;
    WindowFrame frame{app};
    Picture piece;
};

struct ButtonPlaces {
    int stripWidth;
    int minimizeX, commandX, closeX;
};

class WindowFramePartsTest : public WindowFrameTest,
                             public ::testing::WithParamInterface<ButtonPlaces> {};

TEST_P(WindowFramePartsTest, SixPartsStandAtTheirPlaces) {
    const ButtonPlaces& c = GetParam();
    AddTitleBar(c.stripWidth);
    EXPECT_EQ(frame.minimizeButton->x, c.minimizeX);
    EXPECT_EQ(frame.commandButton->x, c.commandX);
    EXPECT_EQ(frame.closeButton->x, c.closeX);
    EXPECT_EQ(frame.closeButton->width, c.stripWidth / 5);
    for (const Picture* part : {static_cast<Picture*>(frame.minimizeButton.get()),
                                static_cast<Picture*>(frame.closeButton.get()),
                                frame.titleBar.get(), frame.background.get()}) {
        EXPECT_EQ(part->y, 0);
        EXPECT_EQ(part->screenX, part->x) << "placed as a root";
    }
    EXPECT_EQ(frame.icon->x, 10);
    EXPECT_EQ(frame.titleBar->x, 0);
    EXPECT_EQ(frame.Children(), (std::vector<Element*>{&piece})) << "parts are no children";
    frame.SetTitleBar(*display, dir.File("title.bmp"), 800, 30);
    EXPECT_EQ(frame.titleBar->fileName, dir.File("title.bmp"))
        << "the replacement loads the file itself instead of sharing the old part's surface";
}

// 103 checks that the strip is multiplied before it is divided: 309 / 5 = 61, not 3 * 20.
INSTANTIATE_TEST_SUITE_P(WindowFrameButtons, WindowFramePartsTest,
                         ::testing::Values(ButtonPlaces{100, 704, 729, 754},
                                           ButtonPlaces{150, 674, 709, 744},
                                           ButtonPlaces{103, 703, 728, 754}));

class WindowFrameModeTest : public WindowFrameTest, public ::testing::WithParamInterface<int> {};

TEST_P(WindowFrameModeTest, LayersDrawInOrderAndTheTitleBarOnlyInAWindow) {
    if (GetParam() == 0) {
        ASSERT_TRUE(display->SetUpFullScreen(800, 600, 16));
    }
    AddTitleBar();
    Picture first;
    Picture second;
    Picture hidden;
    ASSERT_EQ(first.LoadImage(*display, Solid("a.bmp", 100, 100, 0x0000FF), 300, 300, 100, 100, 1),
              1);
    ASSERT_EQ(second.LoadImage(*display, Solid("b.bmp", 100, 100, 0xFFFF00), 350, 350, 100, 100, 1),
              1);
    ASSERT_EQ(hidden.LoadImage(*display, Solid("c.bmp", 10, 10, 0xFF0000), 500, 500, 10, 10, 1), 1);
    first.SetZOrder(1000);
    hidden.SetVisible(0);
    frame.AddOverlay(&first);
    frame.AddOverlay(nullptr);
    frame.AddOverlay(&second);
    frame.AddOverlay(&hidden);
    EXPECT_EQ(frame.Overlays(), (std::vector<Element*>{&first, &second, &hidden}));
    EXPECT_EQ(second.Parent(), &frame);
    EXPECT_EQ(second.screenX, 350) << "not placed anew";
    EXPECT_EQ(frame.Children(), (std::vector<Element*>{&piece}));

    Draw();
    EXPECT_EQ(BackPixel(120, 120), kRed) << "a child over the background";
    EXPECT_EQ(BackPixel(320, 320), kBlue);
    EXPECT_EQ(BackPixel(370, 370), kYellow) << "added later, drawn later, whatever the z";
    EXPECT_EQ(BackPixel(505, 505), kWhite) << "a hidden overlay is not drawn";
    const bool inWindow = GetParam() != 0;
    EXPECT_EQ(BackPixel(400, 10), inWindow ? kGreen : kWhite);
    EXPECT_EQ(BackPixel(15, 10), inWindow ? kBlue : kWhite) << "icon";
    EXPECT_EQ(BackPixel(760, 10), inWindow ? kYellow : kWhite) << "close button";
}

INSTANTIATE_TEST_SUITE_P(WindowFrameModes, WindowFrameModeTest, ::testing::Values(1, 0));

TEST_F(WindowFrameTest, SetVisibleAllShowsAndHidesTheFrameWithItsParts) {
    AddTitleBar();
    const std::vector<Element*> parts = {frame.minimizeButton.get(), frame.commandButton.get(),
                                         frame.closeButton.get(),    frame.background.get(),
                                         frame.titleBar.get(),       frame.icon.get()};
    frame.SetVisibleAll(0);
    EXPECT_EQ(frame.visible, 0);
    for (const Element* part : parts) {
        EXPECT_EQ(part->visible, 0);
    }
    EXPECT_EQ(piece.visible, 1) << "children keep their own flags";
    Draw();
    EXPECT_EQ(BackPixel(400, 10), 0);
    EXPECT_EQ(BackPixel(120, 120), 0);
    frame.SetVisibleAll(1);
    for (const Element* part : parts) {
        EXPECT_EQ(part->visible, 1);
    }
    WindowFrame bare(app);
    bare.SetVisibleAll(0); // no parts at all
    EXPECT_EQ(bare.visible, 0);
}

struct DimCase {
    int alpha;
    std::uint16_t white;
    std::uint16_t red;
};

class WindowFrameDimTest : public WindowFrameTest, public ::testing::WithParamInterface<DimCase> {};

TEST_P(WindowFrameDimTest, DimmedScreenIsCapturedDarkenedThenFrozenUntilAlpha255) {
    const DimCase& c = GetParam();
    AddTitleBar();
    Picture dialog;
    ASSERT_EQ(
        dialog.LoadImage(*display, Solid("dialog.bmp", 40, 40, 0xFFFF00), 600, 400, 40, 40, 1), 1);
    frame.AddOverlay(&dialog);
    frame.SetAlpha(c.alpha);
    EXPECT_EQ(piece.alpha, 255) << "children keep their alpha";

    Draw();
    ASSERT_NE(frame.page, nullptr);
    EXPECT_EQ(BackPixel(10, 100), c.white);
    EXPECT_EQ(BackPixel(120, 120), c.red);
    EXPECT_EQ(BackPixel(799, 599), c.white);
    EXPECT_EQ(BackPixel(610, 410), kYellow) << "overlays are never dimmed";
    EXPECT_EQ(BackPixel(400, 10), kGreen) << "nor is the title bar";
    EXPECT_EQ(frame.page->Row(10)[400], c.white) << "the page holds the screen below the bar";

    const std::vector<std::uint16_t> frozen = Screen();
    const Surface* page = frame.page.get();
    piece.SetPosition(300, 300);
    Draw();
    EXPECT_EQ(frame.page.get(), page);
    EXPECT_EQ(Screen(), frozen) << "changes below stay unseen while dimmed";

    frame.SetAlpha(255);
    Draw();
    EXPECT_EQ(frame.page, nullptr);
    EXPECT_EQ(BackPixel(10, 100), 0) << "the releasing frame skips background and children";
    EXPECT_EQ(BackPixel(610, 410), kYellow);
    EXPECT_EQ(BackPixel(400, 10), kGreen);
    Draw();
    EXPECT_EQ(BackPixel(10, 100), kWhite);
    EXPECT_EQ(BackPixel(120, 120), kWhite);
    EXPECT_EQ(BackPixel(320, 320), kRed);
}

// Each channel is scaled by alpha / 256: white 31/63/31 and red 31/0/0.
INSTANTIATE_TEST_SUITE_P(WindowFrameDims, WindowFrameDimTest,
                         ::testing::Values(DimCase{128, 0x7BEF, 0x7800},
                                           DimCase{64, 0x39E7, 0x3800},
                                           DimCase{254, 0xF7DE, 0xF000},
                                           DimCase{1, 0x0000, 0x0000}));

TEST_F(WindowFrameTest, AlphaZeroDrawsUndimmedAndMakesNoPage) {
    frame.SetAlpha(0);
    Draw();
    EXPECT_EQ(frame.page, nullptr);
    EXPECT_EQ(BackPixel(120, 120), kRed);
}

// A root that keeps every change reported to it.
class ChangeRecorder : public Element {
public:
    std::vector<SceneChange> changes;

protected:
    void OnSceneChange(SceneChange change) override { changes.push_back(change); }
};

TEST_F(WindowFrameTest, PartsAndTheFrameAfterTheDimReachTheRootOfTheTree) {
    ChangeRecorder root;
    root.SetSize(800, 600);
    root.AddChild(&frame);
    AddTitleBar();
    EXPECT_FALSE(root.changes.empty()) << "new parts";
    root.changes.clear();
    Send(kMouseMove, 760, 10);
    EXPECT_FALSE(root.changes.empty()) << "the close button's hover, through the frame";

    frame.SetAlpha(128);
    Draw();
    root.changes.clear();
    frame.SetAlpha(255);
    EXPECT_EQ(root.changes, std::vector<SceneChange>{SceneChange::Changed});
    root.changes.clear();
    Draw();
    EXPECT_EQ(root.changes, std::vector<SceneChange>{SceneChange::NextFrameWanted})
        << "the frame without background and children asks for the next one";
    root.changes.clear();
    Draw();
    EXPECT_TRUE(root.changes.empty());
    root.RemoveChild(&frame);
}

TEST_F(WindowFrameTest, PageThatCannotBeMadeIsReportedAndTriedAgain) {
    frame.SetAlpha(128);
    display->Release(); // no back buffer to copy
    Draw();
    EXPECT_EQ(frame.page, nullptr);
    ASSERT_EQ(platform.window.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.window.messageBoxes[0].text, "创建透明页面失败!");
    EXPECT_EQ(platform.window.messageBoxes[0].caption, "ERROR");
    Draw();
    EXPECT_EQ(platform.window.messageBoxes.size(), 2u);

    ASSERT_TRUE(display->SetUpWindowed(800, 600));
    Draw();
    EXPECT_NE(frame.page, nullptr);
    EXPECT_EQ(platform.window.messageBoxes.size(), 2u);
}

struct PressCase {
    int x, y;
    bool moves;
    bool onButton;
};

class WindowFramePressTest : public WindowFrameTest,
                             public ::testing::WithParamInterface<PressCase> {};

TEST_P(WindowFramePressTest, TitleBarPressOutsideTheButtonsMovesTheWindow) {
    const PressCase& c = GetParam();
    AddTitleBar();
    Send(kMouseLeftDown, c.x, c.y);
    EXPECT_EQ(platform.window.moveLoops, c.moves ? 1 : 0);
    EXPECT_EQ(frame.WindowMoving(), c.moves);
    EXPECT_EQ(frame.buttonPressed, c.onButton ? 1 : 0);
    Send(kMouseLeftUp, 600, 300);
    EXPECT_FALSE(frame.WindowMoving()) << "any release ends the move";
    EXPECT_EQ(frame.buttonPressed, 0);
    EXPECT_TRUE(Posted().empty());
}

// The title bar is 30 high; the minimize button covers x 704..723.
INSTANTIATE_TEST_SUITE_P(WindowFramePresses, WindowFramePressTest,
                         ::testing::Values(PressCase{0, 10, false, false},
                                           PressCase{1, 10, true, false},
                                           PressCase{400, 29, true, false},
                                           PressCase{400, 30, false, false},
                                           PressCase{714, 10, false, true}));

struct ButtonCase {
    int x;
    std::vector<Event> posted;
    int minimized;
};

class WindowFrameButtonTest : public WindowFrameTest,
                              public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(WindowFrameButtonTest, ReleasedButtonMinimisesOrPostsItsEvent) {
    const ButtonCase& c = GetParam();
    AddTitleBar();
    Send(kMouseMove, c.x, 10);
    for (const Button* button :
         {frame.minimizeButton.get(), frame.commandButton.get(), frame.closeButton.get()}) {
        const bool under = button->HitTest(c.x, 10);
        EXPECT_EQ(button->state, under ? ButtonState::Hover : ButtonState::Normal);
    }
    Send(kMouseLeftDown, c.x, 10);
    EXPECT_EQ(platform.window.moveLoops, 0);
    EXPECT_EQ(platform.window.minimizeCount, 0) << "not on the press";
    Send(kMouseLeftUp, c.x, 10);
    EXPECT_EQ(Posted(), c.posted);
    EXPECT_EQ(platform.window.minimizeCount, c.minimized);
}

INSTANTIATE_TEST_SUITE_P(
    WindowFrameButtons, WindowFrameButtonTest,
    ::testing::Values(ButtonCase{714, {}, 1},
                      ButtonCase{739, {Event::Command(platform::CommandId::ToggleFullScreen)}, 0},
                      ButtonCase{764, {Event::Of(platform::EventKind::Close)}, 0}));

TEST_F(WindowFrameTest, EveryButtonHearsThePressButOnlyTheFirstTheRelease) {
    AddTitleBar();
    frame.commandButton->SetPosition(704, 0); // over the minimize button
    Send(kMouseLeftDown, 714, 10);
    EXPECT_EQ(frame.minimizeButton->state, ButtonState::Pressed);
    EXPECT_EQ(frame.commandButton->state, ButtonState::Pressed);
    Send(kMouseLeftUp, 714, 10);
    EXPECT_EQ(platform.window.minimizeCount, 1);
    EXPECT_TRUE(Posted().empty()) << "the full-screen button was not asked";
    EXPECT_EQ(frame.commandButton->state, ButtonState::Pressed) << "not asked";

    Send(kMouseLeftDown, 764, 10);
    Send(kMouseLeftUp, 600, 300); // dragged off the close button
    EXPECT_TRUE(Posted().empty());
    EXPECT_EQ(platform.window.minimizeCount, 1);
}

TEST_F(WindowFrameTest, FullScreenOrHiddenFrameIgnoresTheMouse) {
    AddTitleBar();
    ASSERT_TRUE(display->SetUpFullScreen(800, 600, 16));
    AddTitleBar();
    frame.buttonPressed = 1;
    Send(kMouseLeftDown, 714, 10);
    EXPECT_EQ(frame.buttonPressed, 0) << "cleared before the mode is checked";
    EXPECT_EQ(frame.minimizeButton->state, ButtonState::Normal);
    Send(kMouseLeftDown, 400, 10);
    EXPECT_EQ(platform.window.moveLoops, 0) << "full screen never moves";
    Send(kMouseMove, 764, 10);
    Send(kMouseLeftUp, 764, 10);
    EXPECT_EQ(frame.closeButton->state, ButtonState::Normal);
    EXPECT_TRUE(Posted().empty());

    ASSERT_TRUE(display->SetUpWindowed(800, 600));
    AddTitleBar();
    frame.SetVisible(0);
    Send(kMouseLeftDown, 400, 10);
    EXPECT_EQ(platform.window.moveLoops, 0);
    EXPECT_TRUE(Posted().empty());
}

// Counts the releases that reach an overlay.
class CountingElement : public Element {
public:
    void ReleaseSurfaces() override { ++released; }
    int released = 0;
};

TEST_F(WindowFrameTest, ReleaseDropsPageAndIconAndReachesOverlays) {
    AddTitleBar();
    CountingElement overlay;
    frame.AddOverlay(&overlay);
    frame.SetAlpha(128);
    Draw();
    ASSERT_NE(frame.page, nullptr);
    frame.ReleaseSurfaces();
    EXPECT_EQ(frame.page, nullptr);
    EXPECT_EQ(frame.icon, nullptr);
    EXPECT_EQ(frame.background->surface, nullptr);
    EXPECT_EQ(frame.closeButton->surface, nullptr);
    EXPECT_EQ(piece.surface, nullptr);
    EXPECT_EQ(overlay.released, 1);
}

} // namespace
