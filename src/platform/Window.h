#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "formats/DecodedImage.h"
#include "platform/MessageQueue.h"
#include "platform/Presenter.h"
#include "platform/TitleBarActions.h"

namespace platform {

class KeyBuffer;

// The game's one top-level window on the desktop: a borderless window of a fixed size, centred
// on the screen. Desktop events become typed events on the queue given at construction; the
// game's title bar moves and minimises it through its commands.
class Window : public TitleBarActions {
public:
    virtual ~Window() = default;

    virtual bool Create(const std::string& title, int width, int height) = 0;
    virtual void Destroy() = 0;
    virtual bool Exists() const = 0;

    // Turns every waiting desktop event into events on the queue; never blocks.
    virtual void PumpEvents() = 0;
    // Blocks until a desktop event arrives, an event is posted or `timeout` passes, then turns
    // the waiting desktop events into events on the queue. The keyboard poll timer ends the wait
    // when it has keys to hand over. A `timeout` of milliseconds::max() never passes.
    virtual void WaitForEvent(std::chrono::milliseconds timeout) = 0;

    // Posts PollKeyboard every periodMs until stopped, while the key buffer has something to
    // tell: a tick that would find nothing is left out.
    virtual void StartTimer(std::uint32_t periodMs) = 0;
    virtual void StopTimer() = 0;

    virtual void SetCursorImage(const formats::DecodedImage& image, int hotspotX, int hotspotY) = 0;
    virtual void SetIconImage(const formats::DecodedImage& image) = 0;
    // An error message box: the text, a caption and an OK button.
    virtual void ShowMessageBox(const std::string& text, const std::string& caption) = 0;

    virtual Presenter& GetPresenter() = 0;
};

} // namespace platform
