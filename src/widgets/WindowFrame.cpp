#include "widgets/WindowFrame.h"

#include <cstddef>
#include <initializer_list>

#include "app/WindowCommands.h"
#include "gfx/Display.h"
#include "gfx/Surface.h"
#include "platform/Event.h"
#include "platform/TitleBarActions.h"
#include "scene/Picture.h"
#include "widgets/Button.h"

namespace widgets {

namespace {

// Left edge of a title-bar button standing `buttons` button widths (a fifth of the strip each)
// and `gap` pixels left of the frame's right edge; the fifths are unsigned divisions.
int ButtonLeft(const scene::Element& frame, int stripWidth, unsigned buttons, int gap) {
    const unsigned widths = static_cast<unsigned>(stripWidth) * buttons / 5;
    return frame.screenX + frame.width - static_cast<int>(widths) - gap;
}

} // namespace

WindowFrame::WindowFrame(app::WindowCommands& window) : window(window) {}

WindowFrame::~WindowFrame() = default;

void WindowFrame::SetAlpha(int newAlpha) {
    // The gamma fade would run here; the display has no gamma control, so it ends at once.
    Watched([&] { alpha = newAlpha; });
}

void WindowFrame::Adopt(scene::Element& part) {
    part.SetOwner(this);
    MarkChanged();
}

// Each setter destroys the old part before loading the new one, so a new part loading the
// same file owns its surface instead of sharing the one that goes away.

void WindowFrame::SetIcon(gfx::Display& display, const std::string& path, int stripWidth,
                          int height) {
    icon.reset();
    icon = std::make_unique<scene::Picture>();
    icon->LoadImage(display, path, 10, 0, stripWidth, height, 1);
    Adopt(*icon);
}

void WindowFrame::SetBackground(gfx::Display& display, const std::string& path, int stripWidth,
                                int height) {
    background.reset();
    background = std::make_unique<scene::Picture>();
    background->LoadImage(display, path, 0, 0, stripWidth, height, 1);
    Adopt(*background);
}

void WindowFrame::SetTitleBar(gfx::Display& display, const std::string& path, int stripWidth,
                              int height) {
    titleBar.reset();
    titleBar = std::make_unique<scene::Picture>();
    titleBar->LoadImage(display, path, screenX, screenY, stripWidth, height, 1);
    inWindow = display.Windowed() != 0;
    Adopt(*titleBar);
}

void WindowFrame::SetMinimizeButton(gfx::Display& display, const std::string& path, int stripWidth,
                                    int height) {
    minimizeButton.reset();
    minimizeButton = std::make_unique<Button>(display, path, ButtonLeft(*this, stripWidth, 3, 36),
                                              0, stripWidth, height);
    Adopt(*minimizeButton);
}

void WindowFrame::SetCommandButton(gfx::Display& display, const std::string& path, int stripWidth,
                                   int height) {
    commandButton.reset();
    commandButton = std::make_unique<Button>(display, path, ButtonLeft(*this, stripWidth, 2, 31), 0,
                                             stripWidth, height);
    Adopt(*commandButton);
}

void WindowFrame::SetCloseButton(gfx::Display& display, const std::string& path, int stripWidth,
                                 int height) {
    closeButton.reset();
    closeButton = std::make_unique<Button>(display, path, ButtonLeft(*this, stripWidth, 1, 26), 0,
                                           stripWidth, height);
    Adopt(*closeButton);
}

void WindowFrame::AddOverlay(scene::Element* overlay) {
    if (overlay == nullptr) {
        return;
    }
    overlays.push_back(overlay);
    // The tree sets a parent link only through AddChild: listing the overlay and taking it out at
    // once leaves the link (a dragged dialog reads its parent's position) without making it a
    // child. Its placement against a full-screen frame comes out as it was.
    scene::Element::AddChild(overlay);
    scene::Element::RemoveChild(overlay);
}

void WindowFrame::ReleaseOverlays() {
    for (std::size_t i = 0; i < overlays.size(); ++i) {
        overlays[i]->ReleaseSurfaces();
    }
}

void WindowFrame::SetVisibleAll(int newVisible) {
    // The frame keeps the flag as a byte.
    Watched([&] { visible = static_cast<std::uint8_t>(newVisible); });
    scene::Element* const parts[] = {minimizeButton.get(), background.get(), commandButton.get(),
                                     closeButton.get(),    titleBar.get(),   icon.get()};
    for (scene::Element* part : parts) {
        if (part != nullptr) {
            part->SetVisible(newVisible);
        }
    }
}

void WindowFrame::ReleaseSurfaces() {
    MarkChanged();
    scene::Element* const parts[] = {background.get(), minimizeButton.get(), commandButton.get(),
                                     closeButton.get(), titleBar.get()};
    for (scene::Element* part : parts) {
        if (part != nullptr) {
            part->ReleaseSurfaces();
        }
    }
    page.reset();
    // The icon goes with the display; the next display set-up makes it anew.
    icon.reset();
    ReleaseOverlays();
    scene::Element::ReleaseSurfaces();
}

void WindowFrame::Draw(gfx::Display& target) {
    if (visible == 0 || width == 0 || height == 0) {
        return;
    }
    if (page && Dimmed()) {
        target.BlitKeyed(0, 0, page.get(), &sourceRect);
    } else if (page && alpha == 255) {
        // Undimmed again: this one frame shows neither the background nor the children.
        page.reset();
        WantNextFrame();
    } else {
        DrawScreen(target);
    }
    for (std::size_t i = 0; i < overlays.size(); ++i) {
        if (overlays[i]->visible != 0) {
            overlays[i]->Draw(target);
        }
    }
    if (inWindow) {
        DrawTitleBar(target);
    }
}

void WindowFrame::DrawScreen(gfx::Display& target) {
    if (background) {
        background->Draw(target);
    }
    scene::Element::Draw(target);
    if (Dimmed() && !page) {
        CapturePage(target);
    }
}

void WindowFrame::CapturePage(gfx::Display& target) {
    target.DarkenBackBuffer(alpha);
    if (target.CreateScreenCopySurface(page) != gfx::SurfaceResult::Ok) {
        page.reset();
        window.ShowMessageBox("创建透明页面失败!", "ERROR");
        return;
    }
    target.CopyBackBufferTo(page.get());
}

void WindowFrame::DrawTitleBar(gfx::Display& target) {
    scene::Element* const parts[] = {titleBar.get(), minimizeButton.get(), commandButton.get(),
                                     closeButton.get(), icon.get()};
    for (scene::Element* part : parts) {
        if (part != nullptr) {
            part->Draw(target);
        }
    }
}

bool WindowFrame::Handle(const core::Input& event) {
    buttonPressed = 0;
    if (inWindow) {
        core::RouteMouse(
            event, [this](int x, int y) { OnLeftDown(x, y); },
            [this](int x, int y) { OnLeftUp(x, y); }, [this](int x, int y) { OnMove(x, y); });
    }
    return false;
}

void WindowFrame::OnLeftDown(int x, int y) {
    bool taken = false;
    for (Button* button : {minimizeButton.get(), commandButton.get(), closeButton.get()}) {
        // Every button is asked, even after one took the press.
        if (button != nullptr && button->OnMouseDown(x, y)) {
            taken = true;
        }
    }
    if (taken) {
        buttonPressed = 1;
        return;
    }
    if (titleBar && x > 0 && y < titleBar->imageHeight) {
        // The window follows the pointer until the button is released; the platform's move loop
        // holds the pointer meanwhile, so there is no capture to give up and nothing to keep on
        // top.
        windowMoving = true;
        window.TitleBar().RunMoveLoop();
    }
}

void WindowFrame::OnLeftUp(int x, int y) {
    if (minimizeButton && minimizeButton->OnMouseUp(x, y)) {
        window.TitleBar().Minimize();
    } else if (commandButton && commandButton->OnMouseUp(x, y)) {
        window.PostEvent(platform::Event::Command(platform::CommandId::ToggleFullScreen));
    } else if (closeButton && closeButton->OnMouseUp(x, y)) {
        window.PostEvent(platform::Event::Of(platform::EventKind::Close));
    } else if (titleBar && windowMoving) {
        windowMoving = false;
    }
}

void WindowFrame::OnMove(int x, int y) {
    for (Button* button : {minimizeButton.get(), commandButton.get(), closeButton.get()}) {
        if (button != nullptr) {
            button->OnMouseMove(x, y);
        }
    }
}

} // namespace widgets
