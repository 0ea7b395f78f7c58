#pragma once

#include <string>
#include <vector>

#include "platform/Window.h"
#include "platform/memory/MemoryPresenter.h"

namespace platform {

// A window that exists only in memory, for tests: events are posted by the test and pumped by
// the application; the presenter keeps the last frame; message boxes and move loops are recorded
// (and message boxes printed to standard error, so a failing run says why).
class HeadlessWindow : public Window {
public:
    explicit HeadlessWindow(MessageQueue& queue) : queue(queue) {}

    bool Create(const std::string& title, int width, int height) override;
    void Destroy() override { exists = false; }
    bool Exists() const override { return exists; }
    void PumpEvents() override {}
    // Records the timeout and waits for a post, at most 10 ms: nothing but the test posts, and a
    // test is never held up for long.
    void WaitForEvent(std::chrono::milliseconds timeout) override;
    void StartTimer(std::uint32_t periodMs) override { timerPeriod = periodMs; }
    void StopTimer() override { timerPeriod = 0; }
    void SetCursorImage(const formats::DecodedImage& image, int hotspotX, int hotspotY) override;
    void SetIconImage(const formats::DecodedImage& image) override { icon = image; }
    void ShowMessageBox(const std::string& text, const std::string& caption) override;
    void RunMoveLoop() override { ++moveLoops; }
    void Minimize() override { ++minimizeCount; }
    Presenter& GetPresenter() override { return presenter; }

    // Posts a mouse event at a point of the window as the desktop window does: moved into the
    // frame by the presenter's zoom or full-screen fit.
    void PostMouseAt(MouseAction action, int windowX, int windowY);

    MemoryPresenter presenter;
    bool refuseCreate = false;
    bool exists = false;
    std::string title;
    std::uint32_t timerPeriod = 0;
    formats::DecodedImage cursor;
    formats::DecodedImage icon;
    struct Box {
        std::string text;
        std::string caption;
    };
    std::vector<Box> messageBoxes;
    int moveLoops = 0;
    int minimizeCount = 0;
    // The timeout of every wait, in order.
    std::vector<std::chrono::milliseconds> waits;

private:
    MessageQueue& queue;
};

} // namespace platform
