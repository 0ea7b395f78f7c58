#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "app/AppSettings.h"
#include "app/WindowZoom.h"
#include "platform/Settings.h"
#include "platform/memory/MemoryPresenter.h"

namespace {

using app::WindowZoom;
using platform::CommandId;
using platform::Rect;

// A zoom on a 2048x1536 desktop (largest step 2.5x, first-start pick 2x) with its own set.ini.
class WindowZoomTest : public ::testing::Test {
protected:
    WindowZoomTest() {
        presenter.screenWidth = 2048;
        presenter.screenHeight = 1536;
        presenter.usableBounds = {0, 0, 2048, 1536};
        presenter.clientBounds = {624, 468, 1424, 1068};
        presenter.Open(false, 800, 600);
    }

    // A zoom as a new start of the game makes it.
    std::unique_ptr<WindowZoom> Start() {
        auto zoom = std::make_unique<WindowZoom>(presenter, settings, 800, 600);
        zoom->Load();
        return zoom;
    }

    std::string Saved() const {
        return platform::Settings::ReadString(folder.File("set.ini"), "set", "zoom", "absent");
    }

    TempDir folder;
    const app::AppSettings settings{folder.File("set.ini")};
    platform::MemoryPresenter presenter;
};

TEST_F(WindowZoomTest, AFirstStartPicksTheLargestZoomWithinFourFifthsAndSavesNothing) {
    const auto zoom = Start();
    EXPECT_EQ(zoom->Percent(), 200);
    EXPECT_EQ(presenter.Zoom(), 200);
    EXPECT_EQ(presenter.ClientBounds(), (Rect{224, 168, 1824, 1368}));
    EXPECT_FALSE(folder.Exists("set.ini")) << "the pick follows the desktop until changed";

    presenter.usableBounds = {0, 0, 1920, 1040};
    EXPECT_EQ(Start()->Percent(), 100);
}

TEST_F(WindowZoomTest, TheKeysStepTheZoomAndEachChangeIsKeptInSetIni) {
    folder.Write("set.ini", "[set]\nmusic=40\nzoom=100\n");
    const auto zoom = Start();
    EXPECT_EQ(zoom->Percent(), 100);

    EXPECT_TRUE(zoom->OnCommand(CommandId::ZoomIn));
    EXPECT_EQ(presenter.Zoom(), 150);
    EXPECT_EQ(Saved(), "150");
    EXPECT_TRUE(zoom->OnCommand(CommandId::ZoomIn));
    EXPECT_TRUE(zoom->OnCommand(CommandId::ZoomIn));
    EXPECT_EQ(Saved(), "250");
    EXPECT_EQ(presenter.ClientBounds().Width(), 2000);
    EXPECT_FALSE(zoom->OnCommand(CommandId::ZoomIn)) << "3x does not fit";
    EXPECT_EQ(presenter.Zoom(), 250);

    EXPECT_TRUE(zoom->OnCommand(CommandId::ZoomOut));
    EXPECT_EQ(Saved(), "200");
    EXPECT_EQ(presenter.ClientBounds(), (Rect{224, 168, 1824, 1368}));
    EXPECT_TRUE(zoom->OnCommand(CommandId::ZoomReset));
    EXPECT_EQ(Saved(), "100");
    EXPECT_EQ(presenter.ClientBounds(), (Rect{624, 468, 1424, 1068}));
    EXPECT_FALSE(zoom->OnCommand(CommandId::ZoomOut));
    EXPECT_FALSE(zoom->OnCommand(CommandId::ZoomReset));
    EXPECT_EQ(platform::Settings::ReadString(folder.File("set.ini"), "set", "music", ""), "40")
        << "the other settings stay";
}

TEST_F(WindowZoomTest, ASavedZoomComesBackAtTheNextStart) {
    folder.Write("set.ini", "[set]\nzoom=100\n");
    Start()->OnCommand(CommandId::ZoomIn);
    presenter.SetZoom(100);

    const auto again = Start();
    EXPECT_EQ(again->Percent(), 150);
    EXPECT_EQ(presenter.Zoom(), 150);
}

TEST_F(WindowZoomTest, ASavedZoomTooLargeForTheDesktopIsLowered) {
    folder.Write("set.ini", "[set]\nzoom=400\n");
    EXPECT_EQ(Start()->Percent(), 250);
    presenter.usableBounds = {0, 0, 1280, 800};
    EXPECT_EQ(Start()->Percent(), 100);
}

TEST_F(WindowZoomTest, ADamagedZoomGivesTheFirstStartPick) {
    for (const char* text :
         {"zoom=abc", "zoom=", "zoom=0", "zoom=-200", "zoom=175", "zoom=1.5", "zoom=99999999",
          "zoom=2147483648", "zoom= 1 50", "zoom=\x01\xff\xfe"}) {
        folder.Write("set.ini", std::string("[set]\n") + text + "\n");
        EXPECT_EQ(Start()->Percent(), 200) << text;
    }
    folder.Write("set.ini", std::string("\0\0\xff[set\nzoom", 11));
    EXPECT_EQ(Start()->Percent(), 200) << "a file that is no settings file at all";
}

TEST_F(WindowZoomTest, OtherCommandsAreNotZoomCommands) {
    const auto zoom = Start();
    for (const CommandId id :
         {CommandId::ToggleFullScreen, CommandId::FullScreen, CommandId::Windowed}) {
        EXPECT_FALSE(WindowZoom::IsZoomCommand(id));
        EXPECT_FALSE(zoom->OnCommand(id));
    }
    EXPECT_EQ(presenter.Zoom(), 200);
    EXPECT_FALSE(folder.Exists("set.ini"));
    for (const CommandId id : {CommandId::ZoomIn, CommandId::ZoomOut, CommandId::ZoomReset}) {
        EXPECT_TRUE(WindowZoom::IsZoomCommand(id));
    }
}

} // namespace
