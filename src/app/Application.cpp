#include "app/Application.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "app/AppSettings.h"
#include "app/CharListener.h"
#include "app/InputReceiver.h"
#include "app/KeyCodes.h"
#include "app/WindowZoom.h"
#include "core/GameFolders.h"
#include "core/InstallRegistration.h"
#include "core/TimerRegistry.h"
#include "core/Trace.h"
#include "formats/CursorFile.h"
#include "formats/CursorImage.h"
#include "gfx/Bitmap.h"
#include "gfx/Display.h"
#include "platform/DocumentOpener.h"
#include "platform/FileSystem.h"
#include "platform/KeyBuffer.h"
#include "platform/Platform.h"
#include "platform/Window.h"

namespace app {

namespace {

constexpr const char* kCaption = "DirectDraw Sample";
constexpr std::uint32_t kKeyboardPollMs = 8;

// The game's input code of a mouse action.
std::uint32_t MouseCode(platform::MouseAction action) {
    switch (action) {
    case platform::MouseAction::Move:
        return core::kMouseMove;
    case platform::MouseAction::LeftDown:
        return core::kMouseLeftDown;
    case platform::MouseAction::LeftUp:
        return core::kMouseLeftUp;
    case platform::MouseAction::RightDown:
        return core::kMouseRightDown;
    case platform::MouseAction::RightUp:
        return core::kMouseRightUp;
    }
    return core::kMouseMove;
}

} // namespace

Application::Application(platform::Platform& platform, const core::GameFolders& folders,
                         const AppSettings& settings)
    : platform(platform), folders(folders), settings(settings) {}

Application::~Application() {
    timerRegistry.reset();
    StopReadingKeys();
    if (display) {
        ReleaseSurfaces();
        display.reset();
    }
    charListeners.clear();
}

Application::InitResult Application::Init(const std::string& line, int width, int height,
                                          const std::string& gamePath, const std::string& version,
                                          const std::string& gameId, const std::string& gameIcon,
                                          const std::string& installKey, const std::string& title,
                                          int iconId, int acceleratorId) {
    if (gamePath.empty() || version.empty() || gameId.empty() || gameIcon.empty() ||
        installKey.empty() || title.empty() || iconId == 0 || acceleratorId == 0) {
        core::Trace("参数错误\n");
        return InitResult::Failed;
    }
    screenHeight = height;
    screenWidth = width;
    core::RegisterInstall(platform.GetRegistry(), installKey, gamePath, version, gameId, gameIcon);
    iconPath = gameIcon;
    if (line == "/REGSERVER") {
        platform.Opener().Open(settings.WebAddress(1));
        return InitResult::Done;
    }
    timerRegistry = std::make_unique<core::TimerRegistry>(
        platform.Timers(),
        [&queue = platform.Queue()](std::uint32_t id) {
            queue.Post(platform::Event::TimerFired(id));
        },
        [this](const std::string& name) { OnTimerEvent(name); });
    if (settings.FullScreen()) {
        // The game always starts in a window; the settings switch to full screen later.
        settings.SetFullScreen(false);
    }
    if (!platform.GetWindow().Create(title, screenWidth, screenHeight)) {
        core::Trace("创建窗口失败！！\n");
        return InitResult::Failed;
    }
    zoom = std::make_unique<WindowZoom>(platform.GetWindow().GetPresenter(), settings, screenWidth,
                                        screenHeight);
    zoom->Load();
    LoadCursorAndIcon();
    commandLine = line;
    return InitResult::Run;
}

void Application::LoadCursorAndIcon() {
    platform::Window& window = platform.GetWindow();
    std::string bytes;
    formats::CursorImage cursor;
    if (platform::ReadWholeFile(folders.GameFile("Cursor.cur"), bytes, 1 << 20) ==
            platform::ReadResult::Ok &&
        formats::CursorFile::Parse(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size(), cursor)) {
        formats::DecodedImage image{cursor.width, cursor.height, cursor.pixels, true};
        window.SetCursorImage(image, cursor.hotspotX, cursor.hotspotY);
    }
    if (const std::unique_ptr<gfx::Bitmap> icon = gfx::Bitmap::Load(iconPath, 0, 0)) {
        formats::DecodedImage image;
        image.width = icon->Width();
        image.height = icon->Height();
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                image.pixels.push_back(0xFF000000 | icon->Row(y)[x]);
            }
        }
        window.SetIconImage(image);
    }
}

bool Application::StartRunning() {
    readingKeys = true;
    platform.Keys().StartReading();
    platform.GetWindow().StartTimer(kKeyboardPollMs);
    if (!SetUpDisplay()) {
        platform.GetWindow().ShowMessageBox("DirectDraw init failed. The sample will now exit. ",
                                            kCaption);
        return false;
    }
    return true;
}

int Application::Run() {
    if (!StartRunning()) {
        return kExitFailure;
    }
    for (;;) {
        switch (RunTurn()) {
        case Turn::Quit:
            return ExitCode();
        case Turn::Failed:
            return kExitFailure;
        case Turn::Continue:
            break;
        }
    }
}

Application::Turn Application::RunTurn() {
    if (!DispatchMessages()) {
        return Turn::Quit;
    }
    platform::Window& window = platform.GetWindow();
    if (active == 0) {
        // Minimised or in the background: nothing is drawn until the window is active again,
        // and then the whole frame is drawn whatever changed.
        window.WaitForEvent(RedrawTracker::kUntilEvent);
        wasActive = false;
        return Turn::Continue;
    }
    if (!wasActive) {
        redraw.Invalidate();
        wasActive = true;
    }
    if (!FrameDue()) {
        window.WaitForEvent(redraw.SleepTime());
        return Turn::Continue;
    }
    if (!FrameStep()) {
        TearDownDisplay();
        window.ShowMessageBox("Displaying the next frame failed. The sample will now exit. ",
                              kCaption);
        return Turn::Failed;
    }
    return Turn::Continue;
}

bool Application::FrameDue() const {
    // The presenter wants a frame after it was exposed, lost its device or saw the display mode
    // change; the last two are acted on when a frame is presented.
    return redraw.FrameDue() || platform.GetWindow().GetPresenter().NeedsFrame();
}

void Application::OnSceneChange(scene::SceneChange change) {
    redraw.Report(change);
}

bool Application::DispatchMessages() {
    platform.GetWindow().PumpEvents();
    platform::Event event;
    while (platform.Queue().TryTake(event)) {
        if (event.kind == platform::EventKind::Quit) {
            exitCode = event.quitCode;
            return false;
        }
        SendEvent(event);
    }
    return true;
}

void Application::PostEvent(const platform::Event& event) {
    platform.Queue().Post(event);
}

platform::TitleBarActions& Application::TitleBar() {
    return platform.GetWindow();
}

void Application::ShowMessageBox(const std::string& text, const std::string& caption) {
    platform.GetWindow().ShowMessageBox(text, caption);
}

gfx::PresentResult Application::RenderFrame() {
    if (!display) {
        return gfx::PresentResult::NoBackBuffer;
    }
    display->ClearBackBuffer(0);
    redraw.BeginFrame();
    Draw(*display);
    redraw.EndFrame();
    const gfx::PresentResult result = display->Present();
    if (result != gfx::PresentResult::Ok) {
        // Not on the screen: the frame is still due.
        redraw.Invalidate();
    }
    return result;
}

int Application::RenderOnce() {
    if (RenderFrame() == gfx::PresentResult::SurfaceLost) {
        RenderFrame();
    }
    return 0;
}

bool Application::FrameStep() {
    switch (RenderFrame()) {
    case gfx::PresentResult::Ok:
        return true;
    case gfx::PresentResult::SurfaceLost:
        // Not shown: the frame is still due and is drawn at the next turn.
        return true;
    case gfx::PresentResult::WrongMode:
        // The desktop's display mode changed: build the display again in the same mode.
        TearDownDisplay();
        return SetUpDisplay();
    case gfx::PresentResult::NoBackBuffer:
        break;
    }
    return false;
}

void Application::TearDownDisplay() {
    ReleaseSurfaces();
    display.reset();
}

bool Application::SetUpDisplay() {
    ReleaseSurfaces();
    charListeners.clear();
    display.reset();
    display = std::make_unique<gfx::Display>(platform.GetWindow().GetPresenter());
    if (wantsWindow) {
        if (!display->SetUpWindowed(screenWidth, screenHeight)) {
            return false;
        }
    } else if (!display->SetUpFullScreen(screenWidth, screenHeight, 16)) {
        platform.GetWindow().ShowMessageBox("This display card does not support 640x480x8. ",
                                            kCaption);
        return false;
    }
    ResetSoundManager();
    OnDisplayReady();
    redraw.Invalidate();
    return true;
}

void Application::BroadcastChar(int code) {
    for (CharListener* listener : charListeners) {
        listener->OnChar(code);
    }
}

void Application::AddCharListener(CharListener* listener) {
    // Screens register again at every rebuild of the display; one registration is enough, or a
    // typed character would arrive several times.
    if (listener != nullptr &&
        std::find(charListeners.begin(), charListeners.end(), listener) == charListeners.end()) {
        charListeners.push_back(listener);
    }
}

bool Application::AddTimer(int delayMs, const std::string& name, int repeatCount,
                           std::function<void()> onFire) {
    return timerRegistry && timerRegistry->AddTimer(delayMs, name, repeatCount, std::move(onFire));
}

void Application::KillTimer(const std::string& name) {
    if (timerRegistry) {
        timerRegistry->KillTimer(name);
    }
}

void Application::KillAllTimers() {
    if (timerRegistry) {
        timerRegistry->KillAllTimers();
    }
}

bool Application::SendEvent(const platform::Event& event) {
    using platform::EventKind;
    switch (event.kind) {
    case EventKind::Quit:
        break; // only the loop acts on it
    case EventKind::Close:
        OnClose();
        break;
    case EventKind::Moved:
        UpdateDisplayBounds();
        break;
    case EventKind::Minimized:
    case EventKind::Restored:
        OnShown(event.kind == EventKind::Restored);
        break;
    case EventKind::Activated:
    case EventKind::Deactivated:
        OnActivate(event.kind == EventKind::Activated);
        break;
    case EventKind::Paint:
        OnPaint();
        break;
    case EventKind::SetCursor:
        return !wantsWindow;
    case EventKind::Char:
        BroadcastChar(event.character);
        break;
    case EventKind::Command:
        OnCommand(event.command);
        break;
    case EventKind::PollKeyboard:
        OnPollKeyboard();
        break;
    case EventKind::Mouse:
        OnMouse(event);
        break;
    case EventKind::PlaybackEnded:
        OnGraphNotify();
        break;
    case EventKind::TimerFired:
        OnTimerFired(event.timerId);
        break;
    }
    return false;
}

void Application::OnClose() {
    platform::Window& window = platform.GetWindow();
    if (window.Exists()) {
        // The window is torn down while it still exists, then goes.
        OnDestroy();
        window.Destroy();
    }
}

void Application::OnDestroy() {
    TearDownDisplay();
    platform.GetWindow().StopTimer();
    timerRegistry.reset();
    StopReadingKeys();
    DestroySoundManager();
    PostEvent(platform::Event::Quit(0));
}

void Application::UpdateDisplayBounds() {
    if (display) {
        display->UpdateBounds();
    }
}

void Application::OnShown(bool shown) {
    active = shown ? 1 : 0;
    UpdateDisplayBounds();
    OnWindowShown(shown);
}

void Application::OnActivate(bool activated) {
    if (activated) {
        if (readingKeys) {
            platform.Keys().StartReading();
        }
        active = 1;
        return;
    }
    active = 0;
    OnDeactivate();
    OnPaint();
}

void Application::OnPaint() {
    if (display) {
        RenderOnce();
    }
}

void Application::OnCommand(platform::CommandId id) {
    if (WindowZoom::IsZoomCommand(id)) {
        // Only the window's size changes: nothing is set up again. Full screen fills the screen
        // at any zoom, so the zoom keys do nothing there.
        if (zoom && display && display->Windowed() && zoom->OnCommand(id)) {
            UpdateDisplayBounds();
        }
        return;
    }
    if (id == platform::CommandId::ToggleFullScreen) {
        wantsWindow = !wantsWindow;
        settings.SetFullScreen(!wantsWindow);
    }
    SetUpDisplayForCommand();
}

void Application::SetUpDisplayForCommand() {
    if (!SetUpDisplay()) {
        TearDownDisplay();
        platform.GetWindow().ShowMessageBox("InitDirectDraw() failed. The sample will now exit. ",
                                            kCaption);
        displayFailed = true;
        PostEvent(platform::Event::Of(platform::EventKind::Close));
    }
}

void Application::StopReadingKeys() {
    if (readingKeys) {
        readingKeys = false;
        platform.Keys().StopReading();
    }
}

void Application::OnPollKeyboard() {
    if (!readingKeys) {
        return;
    }
    platform.Keys().Read([this](const platform::KeyChange& change) {
        if (const std::uint32_t code = InputCodeOf(change); code != 0) {
            lastInput.code = code;
            OnInput(lastInput);
        }
    });
}

void Application::OnMouse(const platform::Event& event) {
    // Client coordinates as unsigned 16-bit values: left of the window is near 65535.
    lastInput = {MouseCode(event.mouse), static_cast<std::uint16_t>(event.x),
                 static_cast<std::uint16_t>(event.y)};
    OnInput(lastInput);
}

void Application::OnInput(const core::Input& event) {
    for (const InputPlace& place : inputOrder) {
        if (place.coveredBy != nullptr && place.coveredBy->Shown()) {
            continue;
        }
        if (place.receiver->Offer(event)) {
            return;
        }
    }
}

void Application::OnTimerFired(std::uint32_t id) {
    if (timerRegistry) {
        timerRegistry->HandleFiring(id, !TimedEventsHeld());
    }
}

} // namespace app
