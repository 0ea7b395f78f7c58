#include "platform/memory/HeadlessWindow.h"

#include <algorithm>
#include <cstdio>

namespace platform {

bool HeadlessWindow::Create(const std::string& newTitle, int, int) {
    if (refuseCreate) {
        return false;
    }
    title = newTitle;
    exists = true;
    return true;
}

void HeadlessWindow::WaitForEvent(std::chrono::milliseconds timeout) {
    waits.push_back(timeout);
    queue.WaitFor(std::min(timeout, std::chrono::milliseconds(10)));
}

void HeadlessWindow::PostMouseAt(MouseAction action, int windowX, int windowY) {
    queue.Post(MouseEventAt(GetPresenter(), action, windowX, windowY));
}

void HeadlessWindow::SetCursorImage(const formats::DecodedImage& image, int, int) {
    cursor = image;
}

void HeadlessWindow::ShowMessageBox(const std::string& text, const std::string& caption) {
    messageBoxes.push_back({text, caption});
    std::fprintf(stderr, "message box [%s]: %s\n", caption.c_str(), text.c_str());
}

} // namespace platform
