#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/InputReceiver.h"
#include "scene/Element.h"

namespace scene {
class Picture;
}
namespace gfx {
class Display;
class Surface;
} // namespace gfx

namespace app {
class WindowCommands;
}

namespace widgets {

class Button;

// A whole screen of the game: an optional background, the screen's own children, overlays
// (dialogs) drawn above them, and, in a window only, the game's own title bar with an icon and
// minimise, full-screen and close buttons. While alpha lies between 1 and 254 the frame freezes a
// darkened copy of the screen and draws only that copy, the overlays and the title bar, so a
// dialog stands over a dimmed, motionless screen.
//
// The title-bar parts and the background are owned and placed as roots (back-buffer
// coordinates); the frame alone draws, shows and hides them. Overlays are not owned.
class WindowFrame : public scene::Element, public app::InputReceiver {
public:
    // The title bar moves and minimises the window and posts the full-screen and close
    // commands; the window must outlive the frame.
    explicit WindowFrame(app::WindowCommands& window);
    ~WindowFrame() override;

    // Stores alpha for the frame alone; children and overlays keep theirs.
    void SetAlpha(int alpha) override;
    void Draw(gfx::Display& target) override;
    // Releases every surface; the dimmed copy and the icon are destroyed.
    void ReleaseSurfaces() override;

    virtual void ReleaseOverlays();
    // Shows or hides the frame with its background and title-bar parts.
    virtual void SetVisibleAll(int visible);

    // The title-bar buttons act on a left release: minimise, toggle full screen, close. A press
    // on the rest of the title bar lets the window follow the pointer. Consumes nothing.
    bool Handle(const core::Input& event) override;
    bool Shown() const override { return ShownInTree(); }

    // Each setter replaces its part with one loaded for `display`. The frame must be sized and
    // placed first: the buttons stand against its right edge, one, two and three button widths
    // from it. The title bar is drawn and takes presses only when its display is a window.
    void SetIcon(gfx::Display& display, const std::string& path, int stripWidth, int height);
    void SetBackground(gfx::Display& display, const std::string& path, int stripWidth, int height);
    void SetMinimizeButton(gfx::Display& display, const std::string& path, int stripWidth,
                           int height);
    void SetCommandButton(gfx::Display& display, const std::string& path, int stripWidth,
                          int height);
    void SetCloseButton(gfx::Display& display, const std::string& path, int stripWidth, int height);
    void SetTitleBar(gfx::Display& display, const std::string& path, int stripWidth, int height);

    // Appends an overlay, drawn in order of addition whatever its z; null is ignored. The
    // overlay's parent becomes the frame, without it being placed again.
    void AddOverlay(scene::Element* overlay);
    const std::vector<scene::Element*>& Overlays() const { return overlays; }

    // Set while the title bar moves the window, until the next release reaches the frame.
    bool WindowMoving() const { return windowMoving; }

    std::unique_ptr<gfx::Surface> page;
    std::unique_ptr<Button> minimizeButton;
    std::unique_ptr<Button> commandButton;
    std::unique_ptr<Button> closeButton;
    std::unique_ptr<scene::Picture> background;
    std::unique_ptr<scene::Picture> icon;
    std::unique_ptr<scene::Picture> titleBar;
    std::uint8_t buttonPressed = 0;

private:
    bool Dimmed() const { return 0 < alpha && alpha < 255; }
    // A new part: it reports its changes through the frame, and the frame shows it.
    void Adopt(scene::Element& part);
    void DrawScreen(gfx::Display& target);
    void CapturePage(gfx::Display& target);
    void DrawTitleBar(gfx::Display& target);
    void OnLeftDown(int x, int y);
    void OnLeftUp(int x, int y);
    void OnMove(int x, int y);

    app::WindowCommands& window;
    std::vector<scene::Element*> overlays;
    // Whether the display the title bar was loaded for is a window.
    bool inWindow = true;
    // The title bar moved the window and no release has reached the frame since.
    bool windowMoving = false;
};

} // namespace widgets
