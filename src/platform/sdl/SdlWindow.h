#pragma once

#include <cstdint>
#include <memory>

#include "platform/Window.h"
#include "platform/sdl/SdlPresenter.h"

union SDL_Event;
struct SDL_Cursor;

namespace platform {

class KeyBuffer;

// The game's window on the desktop through SDL. Mouse, window, key and text events become the
// window's events, mouse positions in frame coordinates; key changes also go to the key buffer;
// Alt+Enter and the zoom keys become the window's commands; the keyboard poll timer is a
// PollKeyboard every period, made while pumping so ticks never pile up, and only while the key
// buffer has something to tell, so an idle game sleeps between events.
class SdlWindow : public Window {
public:
    SdlWindow(MessageQueue& queue, KeyBuffer& keys);
    ~SdlWindow() override;

    bool Create(const std::string& title, int width, int height) override;
    void Destroy() override;
    bool Exists() const override { return window != nullptr; }
    void PumpEvents() override;
    void WaitForEvent(std::chrono::milliseconds timeout) override;
    void StartTimer(std::uint32_t periodMs) override;
    void StopTimer() override { timerPeriod = 0; }
    void SetCursorImage(const formats::DecodedImage& image, int hotspotX, int hotspotY) override;
    void SetIconImage(const formats::DecodedImage& image) override;
    void ShowMessageBox(const std::string& text, const std::string& caption) override;
    void RunMoveLoop() override;
    void Minimize() override;
    Presenter& GetPresenter() override { return *presenter; }

private:
    void Translate(const SDL_Event& event);
    void TranslateWindowEvent(const SDL_Event& event);
    void TranslateKey(const SDL_Event& event);
    void TranslateText(const char* utf8);
    void Post(const Event& event);
    void PostMouse(MouseAction action, int x, int y);
    void PostTimerTick();

    MessageQueue& queue;
    KeyBuffer& keys;
    struct SDL_Window* window = nullptr;
    std::unique_ptr<SdlPresenter> presenter;
    SDL_Cursor* cursor = nullptr;
    std::uint32_t wakeEvent = 0;
    std::uint32_t timerPeriod = 0;
    std::uint32_t nextTick = 0;
    bool sdlStarted = false;
    // The key whose press made a command (Alt+Enter, Ctrl+Plus, ...), until it is released; -1
    // for none.
    int acceleratorScancode = -1;
    // The last key press made a command: the text it types is dropped.
    bool swallowText = false;
};

} // namespace platform
