#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/RedrawTracker.h"
#include "app/Timers.h"
#include "app/WindowCommands.h"
#include "core/Input.h"
#include "gfx/PresentResult.h"
#include "platform/Event.h"
#include "scene/Element.h"

namespace platform {
class Platform;
}
namespace gfx {
class Display;
}
namespace core {
class GameFolders;
class TimerRegistry;
} // namespace core

namespace app {

class AppSettings;
class CharListener;
class InputReceiver;
class WindowZoom;

// The root of the scene tree and owner of the window, the display, the timers and the keyboard:
// one per process. It runs the main loop, turns the window's events into the game's input and draws
// a frame whenever nothing else waits. The game derives from it; its parts are handed the named
// timers (Timers) and the window's commands (WindowCommands) rather than the whole application.
class Application : public scene::Element, public Timers, public WindowCommands {
public:
    // The cursor is found in the game folder; the full-screen choice, the zoom and the address of
    // a registration run are kept in the settings. All must outlive the application.
    Application(platform::Platform& platform, const core::GameFolders& folders,
                const AppSettings& settings);
    ~Application() override;

    // What start-up decided: run the loop, end successfully ("/REGSERVER" did its work), or end
    // in failure (bad arguments, no window).
    enum class InitResult { Run, Done, Failed };
    // Exit status of a program that failed to start or to go on showing frames.
    static constexpr int kExitFailure = 1;

    // Start-up before the loop.
    InitResult Init(const std::string& commandLine, int width, int height,
                    const std::string& gamePath, const std::string& version,
                    const std::string& gameId, const std::string& gameIcon,
                    const std::string& installKey, const std::string& title, int iconId,
                    int acceleratorId);
    // Runs the main loop; returns the exit code: the Quit event's, or kExitFailure when the display
    // could not be set up or stopped showing frames.
    int Run();
    // What Run does before its loop: the keyboard, its poll timer and the display. False when
    // the display cannot be set up (the player has been told).
    bool StartRunning();

    // How a turn of the loop ended: go on, a Quit event was taken, or the display stopped showing
    // frames (the window is gone and the player has been told).
    enum class Turn { Continue, Quit, Failed };
    // One turn of the loop: handles every waiting message, then draws a frame if one is due, or
    // else sleeps until an event, a posted message or the end of the sleep the scene allows.
    Turn RunTurn();
    // Whether the scene changed since the last frame, or the screen needs one anyway.
    bool FrameDue() const;

    // Called at the end of every successful display set-up: (re)load every image.
    virtual void OnDisplayReady() = 0;
    // A named timer without a callback of its own fired (on the main thread).
    virtual void OnTimerEvent(std::string name) = 0;
    // While true, timer firings are dropped, not delayed.
    virtual bool TimedEventsHeld() const { return false; }

    // One place of the input order: a receiver and, when there is one, the receiver whose
    // showing covers it (a modal dialog over a screen).
    struct InputPlace {
        InputReceiver* receiver;
        const InputReceiver* coveredBy = nullptr;
    };
    // The order every input is offered in, declared once; the receivers must outlive the
    // application or be replaced first.
    void SetInputOrder(std::vector<InputPlace> order) { inputOrder = std::move(order); }
    // Offers the event to the receivers in order until one consumes it. A receiver that is not
    // shown, or is covered by one that is, is passed by; each is asked at its turn.
    void OnInput(const core::Input& event);
    virtual void BroadcastChar(int code);
    // Appends a listener; null and one already registered are ignored.
    virtual void AddCharListener(CharListener* listener);
    virtual void OnDeactivate() = 0;

    // A timer of `repeatCount` firings, 0 for no end, every delayMs: each firing goes to
    // `onFire` when given, else to OnTimerEvent with the name. A name in use keeps its timer.
    // False also before Init made the timers and after the window went.
    bool AddTimer(int delayMs, const std::string& name, int repeatCount,
                  std::function<void()> onFire = nullptr) override;
    void KillTimer(const std::string& name) override;
    void KillAllTimers();

    // One frame: clear, draw the tree, present; drawn whether or not one is due.
    gfx::PresentResult RenderFrame();
    // One frame, and one more when the presenter lost the first.
    int RenderOnce();
    // One frame; a lost one stays due, and a changed display mode sets the display up again.
    // False when the display had to be set up again and could not be.
    bool FrameStep();
    // Sets the display up again, in a window or full screen as asked; false when it cannot be.
    bool SetUpDisplay();
    // Whether the next display set-up makes a window (true) or takes the full screen. The game
    // starts in a window; the full-screen command and the settings dialog change it.
    bool WantsWindow() const override { return wantsWindow; }
    void RequestWindow(bool window) override { wantsWindow = window; }

    // Queues the event for the next dispatch; any thread may post.
    void PostEvent(const platform::Event& event) override;
    // Handles the event now. True when full screen kept the window's own handling from running:
    // a cursor request.
    bool SendEvent(const platform::Event& event) override;
    void ShowMessageBox(const std::string& text, const std::string& caption) override;
    platform::TitleBarActions& TitleBar() override;
    // Handles every event waiting now. False once a Quit was taken; its code is kept.
    bool DispatchMessages();
    // The Quit event's code, or kExitFailure once the display failed after a switch.
    int ExitCode() const { return displayFailed ? kExitFailure : exitCode; }

    gfx::Display* GetDisplay() const { return display.get(); }
    // Between StartRunning and the window's end the game reads the keyboard.
    bool ReadingKeys() const { return readingKeys; }
    // Made by Init, gone with the window.
    core::TimerRegistry* NamedTimers() const { return timerRegistry.get(); }
    platform::Platform& GetPlatform() const { return platform; }
    const std::vector<CharListener*>& CharListeners() const { return charListeners; }
    // Not 0 while the window is shown and active: frames are drawn only then.
    int Active() const { return active; }

    core::Input lastInput{};
    std::string commandLine;

protected:
    // The sound manager lives in the game; it is rebuilt at every display set-up and destroyed
    // with the window.
    virtual void ResetSoundManager() {}
    virtual void DestroySoundManager() {}
    // The music player's notification arrived.
    virtual void OnGraphNotify() {}
    // The window went to the task bar (false) or came back (true).
    virtual void OnWindowShown(bool /*shown*/) {}
    // Every change of the scene below reaches the root here.
    void OnSceneChange(scene::SceneChange change) override;

private:
    void OnClose();
    void OnDestroy();
    void UpdateDisplayBounds();
    void OnShown(bool shown);
    void OnActivate(bool activated);
    void OnPaint();
    void OnCommand(platform::CommandId id);
    void OnPollKeyboard();
    void StopReadingKeys();
    void OnMouse(const platform::Event& event);
    void OnTimerFired(std::uint32_t id);
    void SetUpDisplayForCommand();
    void LoadCursorAndIcon();
    void TearDownDisplay();

    platform::Platform& platform;
    const core::GameFolders& folders;
    const AppSettings& settings;
    // Init's window icon.
    std::string iconPath;
    std::unique_ptr<gfx::Display> display;
    // Made with the window.
    std::unique_ptr<WindowZoom> zoom;
    bool readingKeys = false;
    std::unique_ptr<core::TimerRegistry> timerRegistry;
    std::vector<CharListener*> charListeners;
    std::vector<InputPlace> inputOrder;
    int exitCode = 0;
    // The display failed after a switch; the window closed, and the program ends in failure.
    bool displayFailed = false;
    RedrawTracker redraw;
    // The window was active at the last turn of the loop.
    bool wasActive = false;
    // Frames are drawn only while not 0.
    int active = 0;
    bool wantsWindow = true;
    // The client area Init was given.
    int screenWidth = 800;
    int screenHeight = 600;
};

} // namespace app
