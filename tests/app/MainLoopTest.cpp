#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "TempDir.h"
#include "app/AppSettings.h"
#include "app/Application.h"
#include "app/RedrawTracker.h"
#include "core/GameFolders.h"
#include "platform/memory/HeadlessPlatform.h"

using namespace core;
using namespace scene;
using namespace app;

namespace {

// An element that runs an action whenever it is drawn.
class Probe : public Element {
public:
    void Draw(gfx::Display&) override {
        if (onDraw) {
            onDraw();
        }
    }
    std::function<void()> onDraw;
};

// An application whose scene is one probe, moved one pixel right by every timer firing.
class ProbeApplication : public Application {
public:
    ProbeApplication(platform::Platform& platform, const core::GameFolders& folders,
                     const AppSettings& settings)
        : Application(platform, folders, settings) {
        probe.SetSize(10, 10);
        AddChild(&probe);
    }
    ~ProbeApplication() override { RemoveChild(&probe); }

    void OnDisplayReady() override {}
    void OnTimerEvent(std::string) override { probe.SetPosition(probe.x + 1, probe.y); }
    void OnDeactivate() override {}

    Probe probe;
};

// The loop of a started application, turn by turn, with its frames and sleeps counted.
class MainLoopTest : public ::testing::Test {
protected:
    MainLoopTest() { app = std::make_unique<ProbeApplication>(platform, folders, settings); }
    ~MainLoopTest() override { app.reset(); }

    void Start() {
        ASSERT_EQ(app->Init("", 800, 600, platform.ExecutablePath(), "1", "227",
                            game.File("tpz.bmp"), "Software\\qelvo\\InstalledGame\\227",
                            "Tovak Marudo", 108, 102),
                  Application::InitResult::Run);
        ASSERT_TRUE(app->StartRunning());
        // The window comes up active, as on a desktop.
        app->PostEvent(platform::Event::Of(platform::EventKind::Activated));
        Turns(1);
        ASSERT_EQ(Presents(), 1) << "the first frame";
        platform.window.waits.clear();
    }

    void Turns(int count) {
        for (int i = 0; i < count; ++i) {
            ASSERT_EQ(app->RunTurn(), Application::Turn::Continue);
        }
    }
    int Presents() const { return platform.window.presenter.presentCount; }
    int Sleeps() const { return static_cast<int>(platform.window.waits.size()); }

    TempDir game;
    const core::GameFolders folders{game.Path(), game.Path()};
    const AppSettings settings{folders.SettingsFile()};
    platform::HeadlessPlatform platform;
    std::unique_ptr<ProbeApplication> app;
};

TEST_F(MainLoopTest, AnUnchangedSceneIsNotDrawnAgainAndTheLoopSleeps) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Turns(5);
    EXPECT_EQ(Presents(), 1);
    ASSERT_EQ(Sleeps(), 5) << "one sleep a turn";
    for (const std::chrono::milliseconds wait : platform.window.waits) {
        EXPECT_EQ(wait, RedrawTracker::kUntilEvent) << "nothing is due: no spinning";
    }
}

TEST_F(MainLoopTest, ChangesDrawExactlyOneFrame) {
    ASSERT_NO_FATAL_FAILURE(Start());
    app->probe.SetPosition(20, 30);
    app->probe.SetVisible(0);
    EXPECT_TRUE(app->FrameDue());
    Turns(3);
    EXPECT_EQ(Presents(), 2) << "both changes in one frame";
    EXPECT_EQ(Sleeps(), 2);

    app->probe.SetVisible(0);
    Turns(2);
    EXPECT_EQ(Presents(), 2) << "hidden again is no change";
}

TEST_F(MainLoopTest, ATimerFiringWakesTheLoopForOneFrame) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(app->AddTimer(300, "logo", 0));
    Turns(2);
    EXPECT_EQ(Presents(), 1);
    platform.timers.Advance(300);
    Turns(2);
    EXPECT_EQ(app->probe.x, 1);
    EXPECT_EQ(Presents(), 2);
    platform.timers.Advance(600);
    Turns(2);
    EXPECT_EQ(app->probe.x, 3);
    EXPECT_EQ(Presents(), 3) << "two firings handled in one turn make one frame";
    for (const std::chrono::milliseconds wait : platform.window.waits) {
        EXPECT_GT(wait.count(), 0) << "the loop sleeps between firings";
    }
}

TEST_F(MainLoopTest, ChangesMadeWhileDrawingAreTheDrawingsOwn) {
    ASSERT_NO_FATAL_FAILURE(Start());
    Probe& probe = app->probe;
    // Stamped at another place and put back, as a digit strip is.
    probe.onDraw = [&probe] {
        const int x = probe.x;
        probe.SetPosition(x + 50, probe.y);
        probe.SetPosition(x, probe.y);
    };
    probe.MarkChanged();
    Turns(4);
    EXPECT_EQ(Presents(), 2);
}

TEST_F(MainLoopTest, AnElementThatWantsEveryFrameIsDrawnAtEveryTurn) {
    ASSERT_NO_FATAL_FAILURE(Start());
    app->probe.onDraw = [this] { app->probe.WantNextFrame(); };
    app->probe.MarkChanged();
    Turns(4);
    EXPECT_EQ(Presents(), 5);
    EXPECT_EQ(Sleeps(), 0);
    app->probe.onDraw = nullptr;
    Turns(3);
    EXPECT_EQ(Presents(), 6) << "the frame it asked for, then sleep";
}

TEST_F(MainLoopTest, TheScreenIsDrawnAgainWhenItNeedsAFrameWithoutAChange) {
    ASSERT_NO_FATAL_FAILURE(Start());
    platform::MemoryPresenter& presenter = platform.window.presenter;

    presenter.loseSurfaces = true;
    Turns(3);
    EXPECT_GE(presenter.restoreCount, 1);
    EXPECT_EQ(Presents(), 2) << "the lost frame is drawn again after restoring";

    presenter.modeChanged = true;
    Turns(1);
    presenter.modeChanged = false;
    Turns(3);
    EXPECT_EQ(Presents(), 3) << "the display was built again and drawn";

    app->PostEvent(platform::Event::Command(platform::CommandId::ToggleFullScreen));
    Turns(3);
    EXPECT_TRUE(presenter.fullScreen);
    EXPECT_EQ(Presents(), 4) << "a display switch";
}

TEST_F(MainLoopTest, NothingIsDrawnWhileInactiveAndAllOnceActiveAgain) {
    ASSERT_NO_FATAL_FAILURE(Start());
    app->PostEvent(platform::Event::Of(platform::EventKind::Minimized));
    Turns(1);
    app->probe.MarkChanged();
    Turns(3);
    EXPECT_EQ(Presents(), 1) << "minimised";
    app->PostEvent(platform::Event::Of(platform::EventKind::Restored));
    Turns(3);
    EXPECT_EQ(Presents(), 2);

    app->PostEvent(platform::Event::Of(platform::EventKind::Deactivated));
    Turns(3);
    EXPECT_EQ(Presents(), 3) << "the one frame drawn on losing the focus";
    app->PostEvent(platform::Event::Of(platform::EventKind::Activated));
    Turns(3);
    EXPECT_EQ(Presents(), 4) << "focus regained: drawn again though nothing changed";
}

} // namespace
