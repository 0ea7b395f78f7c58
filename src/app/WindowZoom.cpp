#include "app/WindowZoom.h"

#include "app/AppSettings.h"
#include "platform/Presenter.h"

namespace app {

WindowZoom::WindowZoom(platform::Presenter& presenter, const AppSettings& settings, int frameWidth,
                       int frameHeight)
    : presenter(presenter), settings(settings), frameWidth(frameWidth), frameHeight(frameHeight) {}

ZoomSteps WindowZoom::Steps() const {
    return ZoomSteps(frameWidth, frameHeight, presenter.UsableBounds());
}

void WindowZoom::Load() {
    const ZoomSteps steps = Steps();
    const std::optional<int> saved = settings.Zoom();
    percent = saved ? steps.FromSaved(*saved) : steps.FirstStart();
    presenter.SetZoom(percent);
}

bool WindowZoom::OnCommand(platform::CommandId id) {
    using platform::CommandId;
    const ZoomSteps steps = Steps();
    int wanted = percent;
    switch (id) {
    case CommandId::ZoomIn:
        wanted = steps.Larger(percent);
        break;
    case CommandId::ZoomOut:
        wanted = steps.Smaller(percent);
        break;
    case CommandId::ZoomReset:
        wanted = ZoomSteps::kNormal;
        break;
    default:
        return false;
    }
    if (wanted == percent) {
        return false;
    }
    percent = wanted;
    presenter.SetZoom(percent);
    settings.SetZoom(percent);
    return true;
}

bool WindowZoom::IsZoomCommand(platform::CommandId id) {
    using platform::CommandId;
    return id == CommandId::ZoomIn || id == CommandId::ZoomOut || id == CommandId::ZoomReset;
}

} // namespace app
