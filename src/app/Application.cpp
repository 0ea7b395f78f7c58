#include "app/Application.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "app/CharListener.h"
#include "core/GameFolders.h"
#include "core/InstallRegistration.h"
#include "core/KeyboardInput.h"
#include "core/ProcessState.h"
#include "core/TimerRegistry.h"
#include "core/Trace.h"
#include "gfx/Bitmap.h"
#include "gfx/Display.h"
#include "gfx/ImageCache.h"
#include "platform/CursorFile.h"
#include "platform/CursorImage.h"
#include "platform/DocumentOpener.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/Settings.h"
#include "platform/Window.h"

namespace app {

namespace {

Application* theApplication = nullptr;

constexpr const char* kCaption = "DirectDraw Sample";
constexpr std::uint32_t kKeyboardPollMs = 8;

} // namespace

Application::Application(platform::Platform& platform, const core::GameFolders& folders)
    : platform(platform), folders(folders) {
    gfx::ImageCache::Instance().ClearImageCache();
    theApplication = this;
}

Application::~Application() {
    timerRegistry.reset();
    keyboard.reset();
    if (display) {
        ReleaseSurfaces();
        display.reset();
        currentDisplay = nullptr;
    }
    charListeners.clear();
    gfx::ImageCache::Instance().ClearImageCache();
    if (theApplication == this) {
        theApplication = nullptr;
    }
}

Application* Application::Instance() {
    return theApplication;
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
    core::RegisterInstall(installKey, gamePath, version, gameId, gameIcon);
    iconPath = gameIcon;
    if (line == "/REGSERVER") {
        platform.Opener().Open(
            platform::Settings::ReadString(folders.SettingsFile(), "website", "web1", "1"));
        return InitResult::Done;
    }
    timerRegistry = std::make_unique<core::TimerRegistry>(
        platform.Timers(),
        [&queue = platform.Queue()](std::uint32_t id) {
            queue.Post({WM_TIMERFIRED, id, 0});
        },
        [this](const std::string& name) { OnTimerEvent(name); });
    if (platform::Settings::ReadNumber(folders.SettingsFile(), "set", "fullscreen", "0") == 1) {
        // The game always starts in a window; the settings switch to full screen later.
        windowed = 1;
        platform::Settings::WriteString(folders.SettingsFile(), "set", "fullscreen", "0");
    }
    if (!platform.GetWindow().Create(title, screenWidth, screenHeight)) {
        core::Trace("创建窗口失败！！\n");
        return InitResult::Failed;
    }
    LoadCursorAndIcon();
    commandLine = line;
    return InitResult::Run;
}

void Application::LoadCursorAndIcon() {
    platform::Window& window = platform.GetWindow();
    std::string bytes;
    platform::CursorImage cursor;
    if (platform::ReadWholeFile(folders.GameFile("Cursor.cur"), bytes, 1 << 20) ==
            platform::ReadResult::Ok &&
        platform::CursorFile::Parse(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                    bytes.size(), cursor)) {
        platform::DecodedImage image{cursor.width, cursor.height, cursor.pixels, true};
        window.SetCursorImage(image, cursor.hotspotX, cursor.hotspotY);
    }
    if (const std::unique_ptr<gfx::Bitmap> icon = gfx::Bitmap::Load(iconPath, 0, 0)) {
        platform::DecodedImage image;
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
    keyboard = std::make_unique<core::KeyboardInput>(&platform.Keys(), [this](std::uint32_t code) {
        lastInput.code = code;
        OnInput(&lastInput);
    });
    platform.GetWindow().StartTimer(kKeyboardPollMs);
    if (FAILED(SetUpDisplay())) {
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
        if (!DispatchMessages()) {
            return ExitCode();
        }
        if (active == 0) {
            platform.GetWindow().WaitForEvent();
            continue;
        }
        if (FAILED(FrameStep())) {
            TearDownDisplay();
            platform.GetWindow().ShowMessageBox(
                "Displaying the next frame failed. The sample will now exit. ", kCaption);
            return kExitFailure;
        }
    }
}

bool Application::DispatchMessages() {
    platform.GetWindow().PumpEvents();
    Message message;
    while (platform.Queue().TryTake(message)) {
        if (message.message == WM_QUIT) {
            exitCode = static_cast<int>(message.wParam);
            return false;
        }
        WindowProc(message.message, message.wParam, message.lParam);
    }
    return true;
}

void Application::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    platform.Queue().Post({message, wParam, lParam});
}

LRESULT Application::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowProc(message, wParam, lParam);
}

HRESULT Application::RenderFrame() {
    if (!display) {
        return E_POINTER;
    }
    display->ClearBackBuffer(0);
    Draw();
    return display->Present();
}

int Application::RenderOnce() {
    if (RenderFrame() == DDERR_SURFACELOST) {
        if (SUCCEEDED(display->RestoreAllSurfaces())) {
            RestoreSurfaces();
        }
        RenderFrame();
    }
    return 0;
}

HRESULT Application::FrameStep() {
    const HRESULT result = RenderFrame();
    if (SUCCEEDED(result)) {
        return S_OK;
    }
    if (result == DDERR_SURFACELOST) {
        if (SUCCEEDED(display->RestoreAllSurfaces())) {
            RestoreSurfaces();
        }
        return S_OK;
    }
    if (result == DDERR_WRONGMODE) {
        // The desktop's display mode changed: build the display again in the same mode.
        TearDownDisplay();
        return SetUpDisplay();
    }
    return result;
}

void Application::TearDownDisplay() {
    ReleaseSurfaces();
    display.reset();
    currentDisplay = nullptr;
}

HRESULT Application::SetUpDisplay() {
    gfx::ImageCache::Instance().ClearImageCache();
    ReleaseSurfaces();
    charListeners.clear();
    display.reset();
    display = std::make_unique<gfx::Display>(platform.GetWindow().GetPresenter());
    currentDisplay = display.get();
    if (windowed) {
        if (const HRESULT result = display->SetUpWindowed(screenWidth, screenHeight);
            FAILED(result)) {
            return result;
        }
    } else if (const HRESULT result = display->SetUpFullScreen(screenWidth, screenHeight, 16);
               FAILED(result)) {
        platform.GetWindow().ShowMessageBox("This display card does not support 640x480x8. ",
                                            kCaption);
        return result;
    }
    ResetSoundManager();
    OnDisplayReady();
    return S_OK;
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

bool Application::AddTimer(int delayMs, const std::string& name, int repeatCount) {
    return timerRegistry && timerRegistry->AddTimer(delayMs, name, repeatCount);
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

LRESULT Application::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_MOVE:
        if (display) {
            display->UpdateBounds();
        }
        return 0;
    case WM_SIZE:
        active = (wParam == SIZE_MINIMIZED || wParam == SIZE_MAXHIDE) ? 0 : 1;
        if (display) {
            display->UpdateBounds();
        }
        break;
    case WM_ACTIVATE:
        OnActivate(wParam);
        break;
    case WM_PAINT:
        if (display) {
            RenderOnce();
        }
        break;
    case WM_SETCURSOR:
        if (!windowed) {
            return 1;
        }
        break;
    case WM_GETMINMAXINFO:
        return 0;
    case WM_CHAR:
        BroadcastChar(static_cast<int>(wParam));
        break;
    case WM_COMMAND:
        OnCommand(wParam);
        break;
    case WM_SYSCOMMAND:
        return OnSysCommand(message, wParam, lParam);
    case WM_TIMER:
        if (keyboard) {
            keyboard->Poll();
        }
        break;
    case WM_MOUSEMOVE:
        OnMouse(core::kMouseMove, lParam);
        break;
    case WM_LBUTTONDOWN:
        OnMouse(core::kMouseLeftDown, lParam);
        break;
    case WM_LBUTTONUP:
        OnMouse(core::kMouseLeftUp, lParam);
        break;
    case WM_RBUTTONDOWN:
        OnMouse(core::kMouseRightDown, lParam);
        break;
    case WM_RBUTTONUP:
        OnMouse(core::kMouseRightUp, lParam);
        break;
    case WM_QUERYNEWPALETTE:
        if (display) {
            display->SetPrimaryPalette(display->PrimaryPalette());
        }
        break;
    case WM_GRAPHNOTIFY:
        OnGraphNotify();
        break;
    case WM_TIMERFIRED:
        if (timerRegistry) {
            timerRegistry->HandleFiring(static_cast<std::uint32_t>(wParam));
        }
        return 0;
    default:
        break;
    }
    return DefaultWindowProc(message, wParam, lParam);
}

LRESULT Application::DefaultWindowProc(UINT message, WPARAM wParam, LPARAM) {
    platform::Window& window = platform.GetWindow();
    if (message == WM_CLOSE && window.Exists()) {
        // The window is torn down while it still exists, then goes.
        WindowProc(WM_DESTROY, 0, 0);
        window.Destroy();
    } else if (message == WM_SYSCOMMAND) {
        const WPARAM command = wParam & ~WPARAM{0xF};
        if (command == SC_MOVE) {
            window.RunMoveLoop();
        } else if (command == SC_MINIMIZE) {
            window.Minimize();
        }
    }
    return 0;
}

void Application::OnDestroy() {
    TearDownDisplay();
    platform.GetWindow().StopTimer();
    timerRegistry.reset();
    keyboard.reset();
    DestroySoundManager();
    PostMessage(WM_QUIT, 0, 0);
}

void Application::OnActivate(WPARAM wParam) {
    if (wParam != WA_INACTIVE) {
        if (keyboard) {
            keyboard->Reacquire();
        }
        if (wParam == WA_ACTIVE || wParam == WA_CLICKACTIVE) {
            active = 1;
        }
        return;
    }
    active = 0;
    OnDeactivate();
    if (display) {
        RenderOnce();
    }
}

void Application::OnCommand(WPARAM id) {
    if (id == kCommandToggleFullScreen) {
        windowed = windowed ? 0 : 1;
        platform::Settings::WriteString(folders.SettingsFile(), "set", "fullscreen",
                                        windowed ? "0" : "1");
        SetUpDisplayForCommand();
    } else if (id == kCommandFullScreen || id == kCommandWindowed) {
        SetUpDisplayForCommand();
    }
}

void Application::SetUpDisplayForCommand() {
    if (FAILED(SetUpDisplay())) {
        TearDownDisplay();
        platform.GetWindow().ShowMessageBox("InitDirectDraw() failed. The sample will now exit. ",
                                            kCaption);
        displayFailed = true;
        PostMessage(WM_CLOSE, 0, 0);
    }
}

LRESULT Application::OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam) {
    const WPARAM command = wParam & ~WPARAM{0xF};
    const bool framing = command == SC_SIZE || command == SC_MOVE || command == SC_MAXIMIZE ||
                         command == SC_MONITORPOWER;
    if (framing && !windowed) {
        return 1; // full screen: the window neither moves nor changes size
    }
    return DefaultWindowProc(message, wParam, lParam);
}

void Application::OnMouse(std::uint32_t code, LPARAM lParam) {
    // Client coordinates as unsigned 16-bit values: left of the window is near 65535.
    lastInput = {code, static_cast<std::uint32_t>(lParam & 0xFFFF),
                 static_cast<std::uint32_t>((lParam >> 16) & 0xFFFF)};
    OnInput(&lastInput);
}

} // namespace app
