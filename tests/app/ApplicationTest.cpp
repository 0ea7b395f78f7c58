#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "TempDir.h"
#include "app/AppSettings.h"
#include "app/Application.h"
#include "app/CharListener.h"
#include "app/InputReceiver.h"
#include "gfx/Display.h"
#include "platform/Settings.h"
#include "platform/memory/HeadlessPlatform.h"

using namespace core;
using namespace gfx;
using namespace scene;
using namespace app;
using platform::CommandId;
using platform::Event;
using platform::EventKind;
using platform::MouseAction;

namespace {

// A receiver that keeps every input offered to it, runs an action on each, and consumes what
// it is told to.
class RecordingReceiver : public InputReceiver {
public:
    bool Handle(const Input& event) override {
        inputs.push_back(event);
        if (onHandle) {
            onHandle();
        }
        return consumes;
    }
    bool Shown() const override { return shown; }

    std::vector<Input> inputs;
    std::function<void()> onHandle;
    bool shown = true;
    bool consumes = false;
};

// An application that records what reaches the game: its input order is one recording
// receiver.
class RecordingApplication : public Application {
public:
    RecordingApplication(platform::Platform& platform, const core::GameFolders& folders,
                         const AppSettings& settings)
        : Application(platform, folders, settings) {
        SetInputOrder({{&receiver}});
    }

    void OnDisplayReady() override { ++displayReady; }
    void OnTimerEvent(std::string name) override { timerEvents.push_back(name); }
    void OnDeactivate() override { ++deactivations; }

    int displayReady = 0;
    int deactivations = 0;
    std::vector<std::string> timerEvents;
    RecordingReceiver receiver;
    std::vector<Input>& inputs = receiver.inputs;
};

class Listener : public CharListener {
public:
    void OnChar(int code) override { codes.push_back(code); }
    std::vector<int> codes;
};

// A game folder of its own, a per-user store of its own, and an application started headless.
class ApplicationTest : public ::testing::Test {
protected:
    ApplicationTest() { app = std::make_unique<RecordingApplication>(platform, folders, settings); }
    ~ApplicationTest() override { app.reset(); }

    Application::InitResult Init(const std::string& commandLine) {
        return app->Init(commandLine, 800, 600, platform.ExecutablePath(), "1", "227",
                         game.File("tpz.bmp"), "Software\\qelvo\\InstalledGame\\227",
                         "Tovak Marudo", 108, 102);
    }

    // Init and what Run does before its loop.
    void Start() {
        ASSERT_EQ(Init(""), Application::InitResult::Run);
        ASSERT_TRUE(app->StartRunning());
        EXPECT_EQ(platform.window.timerPeriod, 8u) << "the keyboard is polled every 8 ms";
    }

    void Send(const Event& event) {
        app->PostEvent(event);
        app->DispatchMessages();
    }

    std::string Setting(const char* section, const char* key) {
        return platform::Settings::ReadString(game.File("set.ini"), section, key, "absent");
    }

    TempDir game;
    const core::GameFolders folders{game.Path(), game.Path()};
    const AppSettings settings{folders.SettingsFile()};
    platform::HeadlessPlatform platform;
    std::unique_ptr<RecordingApplication> app;
};

TEST_F(ApplicationTest, RegServerOpensTheFirstAddressAndEndsWithoutAWindow) {
    EXPECT_EQ(Init("/REGSERVER"), Application::InitResult::Done);
    EXPECT_EQ(platform.opener.opened, (std::vector<std::string>{"1"}));
    EXPECT_FALSE(platform.window.Exists());
    EXPECT_EQ(app->NamedTimers(), nullptr);
    std::string recorded;
    EXPECT_TRUE(
        platform.registry.GetString("Software\\qelvo\\InstalledGame\\227", "GamePath", recorded))
        << "the installation is recorded in the platform's registry first";
    EXPECT_EQ(recorded, platform.ExecutablePath());

    game.Write("set.ini", "[website]\nweb1=http://example.test/start\n");
    EXPECT_EQ(Init("/REGSERVER"), Application::InitResult::Done);
    EXPECT_EQ(platform.opener.opened.back(), "http://example.test/start");

    for (const char* line : {"/regserver", " /REGSERVER", "/REGSERVER x", ""}) {
        EXPECT_EQ(Init(line), Application::InitResult::Run) << '"' << line << '"';
        EXPECT_TRUE(platform.window.Exists());
    }
    EXPECT_EQ(platform.opener.opened.size(), 2u);
}

TEST_F(ApplicationTest, MissingArgumentsOrWindowEndTheStart) {
    EXPECT_EQ(app->Init("", 800, 600, "", "1", "227", "icon", "key", "title", 108, 102),
              Application::InitResult::Failed);
    EXPECT_EQ(app->Init("", 800, 600, "path", "1", "227", "icon", "key", "title", 0, 102),
              Application::InitResult::Failed);
    platform.window.refuseCreate = true;
    EXPECT_EQ(Init(""), Application::InitResult::Failed);
}

TEST_F(ApplicationTest, FullScreenWishIsForgottenAtStart) {
    game.Write("set.ini", "[set]\nfullscreen=1\n");
    ASSERT_EQ(Init(""), Application::InitResult::Run);
    EXPECT_TRUE(app->WantsWindow());
    EXPECT_EQ(Setting("set", "fullscreen"), "0");
}

TEST_F(ApplicationTest, ActivationAndMinimisingDecideWhetherFramesAreDrawn) {
    Start();
    Send(Event::Of(EventKind::Restored));
    EXPECT_EQ(app->Active(), 1);
    Send(Event::Of(EventKind::Minimized));
    EXPECT_EQ(app->Active(), 0);
    Send(Event::Of(EventKind::Activated));
    EXPECT_EQ(app->Active(), 1);

    const int frames = platform.window.presenter.presentCount;
    Send(Event::Of(EventKind::Deactivated));
    EXPECT_EQ(app->Active(), 0);
    EXPECT_EQ(app->deactivations, 1);
    EXPECT_EQ(platform.window.presenter.presentCount, frames + 1) << "one frame on deactivation";

    platform.window.presenter.loseSurfaces = true;
    Send(Event::Of(EventKind::Deactivated));
    EXPECT_EQ(app->deactivations, 2);
    EXPECT_GE(platform.window.presenter.restoreCount, 1);
    EXPECT_EQ(platform.window.presenter.presentCount, frames + 2)
        << "the lost frame is drawn again after restoring";
}

TEST_F(ApplicationTest, AltEnterTogglesFullScreenAndRemembersIt) {
    Start();
    EXPECT_EQ(app->displayReady, 1);
    Send(Event::Command(CommandId::ToggleFullScreen));
    EXPECT_FALSE(app->WantsWindow());
    EXPECT_TRUE(platform.window.presenter.fullScreen);
    EXPECT_EQ(Setting("set", "fullscreen"), "1");
    EXPECT_EQ(app->displayReady, 2);
    Send(Event::Command(CommandId::ToggleFullScreen));
    EXPECT_TRUE(app->WantsWindow());
    EXPECT_EQ(Setting("set", "fullscreen"), "0");
    EXPECT_EQ(app->displayReady, 3);
}

TEST_F(ApplicationTest, FullScreenSwallowsCursorRequests) {
    Start();
    EXPECT_FALSE(app->SendEvent(Event::Of(EventKind::SetCursor)));
    app->RequestWindow(false);
    EXPECT_TRUE(app->SendEvent(Event::Of(EventKind::SetCursor)));
}

TEST_F(ApplicationTest, CharactersReachEveryListenerUnchanged) {
    Start();
    Listener first;
    Listener second;
    app->AddCharListener(&first);
    app->AddCharListener(nullptr);
    app->AddCharListener(&second);
    app->AddCharListener(&first); // a second registration must not double the characters
    Send(Event::Char(8));
    Send(Event::Char(0xC3));
    EXPECT_EQ(first.codes, (std::vector<int>{8, 0xC3}));
    EXPECT_EQ(second.codes, (std::vector<int>{8, 0xC3}));
    app->SetUpDisplay();
    EXPECT_TRUE(app->CharListeners().empty()) << "every display set-up empties the list";
}

TEST_F(ApplicationTest, MouseAndKeyEventsCarryTheirCodesAndPositions) {
    Start();
    Send(Event::Mouse(MouseAction::Move, -5, 10));
    Send(Event::Mouse(MouseAction::LeftDown, 100, 200));
    Send(Event::Mouse(MouseAction::RightUp, 101, 201));
    platform.keys.OnKeyChange(platform::Key::Left, true);
    platform.keys.OnKeyChange(platform::Key::Left, false);
    platform.keys.OnKeyChange(platform::Key::A, true); // no key event
    Send(Event::Of(EventKind::PollKeyboard));
    ASSERT_EQ(app->inputs.size(), 5u);
    EXPECT_EQ(app->inputs[0].code, kMouseMove);
    EXPECT_EQ(app->inputs[0].x, 65531u) << "left of the window: a large unsigned number";
    EXPECT_EQ(app->inputs[1].code, kMouseLeftDown);
    EXPECT_EQ(app->inputs[2].code, kMouseRightUp);
    EXPECT_EQ(app->inputs[3].code, 0xFF01u);
    EXPECT_EQ(app->inputs[4].code, 0xFF02u);
    EXPECT_EQ(app->inputs[4].x, 101u) << "key events keep the last mouse position";
    EXPECT_EQ(app->inputs[4].y, 201u);
}

TEST_F(ApplicationTest, InputGoesDownTheOrderUntilConsumedPassingHiddenAndCoveredReceivers) {
    Start();
    RecordingReceiver hidden, dialog, covered, first, consuming, late, last;
    hidden.shown = false;
    late.shown = false;
    consuming.consumes = true;
    app->SetInputOrder(
        {{&hidden}, {&dialog}, {&covered, &dialog}, {&first}, {&late}, {&consuming}, {&last}});
    Send(Event::Mouse(MouseAction::LeftDown, 1, 2));
    EXPECT_TRUE(hidden.inputs.empty());
    EXPECT_EQ(dialog.inputs.size(), 1u);
    EXPECT_TRUE(covered.inputs.empty()) << "covered by the shown dialog";
    EXPECT_EQ(first.inputs.size(), 1u);
    EXPECT_EQ(consuming.inputs.size(), 1u);
    EXPECT_TRUE(last.inputs.empty()) << "after the receiver that consumed it";

    // Each is asked at its turn: one shown by an earlier one's handling sees the same event.
    dialog.shown = false;
    first.onHandle = [&late] { late.shown = true; };
    Send(Event::Mouse(MouseAction::LeftUp, 3, 4));
    EXPECT_EQ(covered.inputs.size(), 1u) << "no longer covered";
    ASSERT_EQ(late.inputs.size(), 1u);
    EXPECT_EQ(late.inputs[0].code, kMouseLeftUp);
    EXPECT_EQ(late.inputs[0].x, 3u);
    EXPECT_TRUE(last.inputs.empty());
}

TEST_F(ApplicationTest, NamedTimersFireOnTheMainThreadUntilTheirLimit) {
    Start();
    EXPECT_FALSE(app->AddTimer(0, "never", 1));
    EXPECT_TRUE(app->AddTimer(100, "twice", 2));
    EXPECT_TRUE(app->AddTimer(50, "ticks", 0));
    platform.timers.Advance(250);
    EXPECT_TRUE(app->timerEvents.empty()) << "firings wait for the message loop";
    app->DispatchMessages();
    // Due together at 100 and 200 ms: the timer made first fires first.
    EXPECT_EQ(app->timerEvents, (std::vector<std::string>{"ticks", "twice", "ticks", "ticks",
                                                          "twice", "ticks", "ticks"}));
    app->KillTimer("ticks");
    platform.timers.Advance(500);
    app->DispatchMessages();
    EXPECT_EQ(app->timerEvents.size(), 7u);
}

TEST_F(ApplicationTest, ClosingTearsDownInOrderAndQuits) {
    Start();
    app->AddTimer(10, "t", 0);
    app->PostEvent(Event::Of(EventKind::Close));
    EXPECT_FALSE(app->DispatchMessages()) << "the Quit that closing posts ends the loop";
    EXPECT_FALSE(platform.window.Exists());
    EXPECT_EQ(app->GetDisplay(), nullptr);
    EXPECT_EQ(app->NamedTimers(), nullptr);
    EXPECT_FALSE(app->ReadingKeys());
    EXPECT_EQ(app->ExitCode(), 0);
}

TEST_F(ApplicationTest, RunEndsWithTheQuitCodeAndReportsDisplayFailures) {
    ASSERT_EQ(Init(""), Application::InitResult::Run);
    app->PostEvent(Event::Of(EventKind::Restored));
    app->PostEvent(Event::Of(EventKind::Close));
    EXPECT_EQ(app->Run(), 0);
    EXPECT_GE(platform.window.presenter.presentCount, 0);
    EXPECT_TRUE(platform.window.messageBoxes.empty());

    ASSERT_EQ(Init(""), Application::InitResult::Run);
    platform.window.presenter.refuseOpen = true;
    EXPECT_EQ(app->Run(), Application::kExitFailure) << "a start that failed";
    ASSERT_EQ(platform.window.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.window.messageBoxes[0].text,
              "DirectDraw init failed. The sample will now exit. ");
    EXPECT_EQ(platform.window.messageBoxes[0].caption, "DirectDraw Sample");
}

TEST_F(ApplicationTest, FailedSwitchClosesTheWindowAndModeChangesRebuildTheDisplay) {
    Start();
    Send(Event::Of(EventKind::Restored));
    platform.window.presenter.modeChanged = true;
    EXPECT_TRUE(app->FrameStep());
    EXPECT_EQ(app->displayReady, 2) << "rebuilt in the same mode";
    platform.window.presenter.modeChanged = false;

    platform.window.presenter.refuseOpen = true;
    Send(Event::Command(CommandId::Windowed));
    ASSERT_FALSE(platform.window.messageBoxes.empty());
    EXPECT_EQ(platform.window.messageBoxes.back().text,
              "InitDirectDraw() failed. The sample will now exit. ");
    EXPECT_FALSE(platform.window.Exists()) << "a Close was posted and handled";
    EXPECT_EQ(app->ExitCode(), Application::kExitFailure) << "the program ends in failure";
}

// A 2048x1536 desktop: the first start shows the window at 2x.
class ApplicationZoomTest : public ApplicationTest {
protected:
    ApplicationZoomTest() {
        presenter.screenWidth = 2048;
        presenter.screenHeight = 1536;
        presenter.usableBounds = {0, 0, 2048, 1536};
    }

    platform::MemoryPresenter& presenter = platform.window.presenter;
};

TEST_F(ApplicationZoomTest, ZoomKeysResizeTheWindowWithoutSettingTheDisplayUpAgain) {
    Start();
    EXPECT_EQ(presenter.ClientBounds(), (platform::Rect{224, 168, 1824, 1368}));
    EXPECT_EQ(app->GetDisplay()->BackBuffer()->Width(), 800) << "the game still draws 800x600";
    EXPECT_EQ(app->displayReady, 1);

    Send(Event::Command(CommandId::ZoomReset));
    EXPECT_EQ(presenter.ClientBounds(), (platform::Rect{624, 468, 1424, 1068}));
    Send(Event::Command(CommandId::ZoomIn));
    EXPECT_EQ(presenter.ClientBounds(), (platform::Rect{424, 318, 1624, 1218}));
    EXPECT_EQ(app->GetDisplay()->Bounds(), presenter.ClientBounds());
    EXPECT_EQ(app->displayReady, 1) << "images are not loaded again";
    EXPECT_EQ(Setting("set", "zoom"), "150");

    // The pointer at window (1.5x, 1.5y) reaches the game at (x, y).
    platform.window.PostMouseAt(MouseAction::LeftDown, 639, 705);
    app->DispatchMessages();
    ASSERT_EQ(app->inputs.size(), 1u);
    EXPECT_EQ(app->inputs[0].x, 426u);
    EXPECT_EQ(app->inputs[0].y, 470u);
}

TEST_F(ApplicationZoomTest, FullScreenIgnoresTheZoomKeysAndTheWindowComesBackZoomed) {
    game.Write("set.ini", "[set]\nzoom=150\n");
    Start();
    Send(Event::Command(CommandId::ToggleFullScreen));
    EXPECT_EQ(app->displayReady, 2);
    for (const CommandId id : {CommandId::ZoomIn, CommandId::ZoomOut, CommandId::ZoomReset}) {
        Send(Event::Command(id));
    }
    EXPECT_EQ(app->displayReady, 2) << "no zoom key sets the display up again";
    EXPECT_EQ(presenter.Zoom(), 150);
    EXPECT_EQ(Setting("set", "zoom"), "150");

    // Full screen fits the frame to the screen; the mouse follows the fit.
    platform.window.PostMouseAt(MouseAction::Move, 1024, 768);
    app->DispatchMessages();
    ASSERT_EQ(app->inputs.size(), 1u);
    EXPECT_EQ(app->inputs[0].x, 400u);
    EXPECT_EQ(app->inputs[0].y, 300u);

    Send(Event::Command(CommandId::ToggleFullScreen));
    EXPECT_EQ(presenter.ClientBounds(), (platform::Rect{424, 318, 1624, 1218}));
}

} // namespace
