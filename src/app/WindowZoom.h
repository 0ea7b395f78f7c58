#pragma once

#include "app/ZoomSteps.h"
#include "platform/Event.h"

namespace platform {
class Presenter;
}

namespace app {

class AppSettings;

// The zoom of the game's window: read from set.ini ([set] zoom, in percent) at start, or picked
// from the desktop's size when the file has none; changed by the zoom commands, handed to the
// presenter, and written back to set.ini whenever the player changes it.
class WindowZoom {
public:
    // The presenter and the settings must outlive the zoom; the frame is the back buffer.
    WindowZoom(platform::Presenter& presenter, const AppSettings& settings, int frameWidth,
               int frameHeight);

    // Chooses the zoom for this start and gives it to the presenter.
    void Load();
    // Acts on ZoomIn, ZoomOut and ZoomReset: true when the zoom changed.
    bool OnCommand(platform::CommandId id);
    static bool IsZoomCommand(platform::CommandId id);
    int Percent() const { return percent; }

private:
    // The steps on the desktop the window is on now.
    ZoomSteps Steps() const;

    platform::Presenter& presenter;
    const AppSettings& settings;
    int frameWidth;
    int frameHeight;
    int percent = ZoomSteps::kNormal;
};

} // namespace app
