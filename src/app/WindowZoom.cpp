#include "app/WindowZoom.h"

#include <utility>

#include "platform/Presenter.h"
#include "platform/Settings.h"

namespace app {

using platform::Settings;

WindowZoom::WindowZoom(platform::Presenter& presenter, std::string settingsFile, int frameWidth,
                       int frameHeight)
    : presenter(presenter), settingsFile(std::move(settingsFile)), frameWidth(frameWidth),
      frameHeight(frameHeight) {}

ZoomSteps WindowZoom::Steps() const {
    return ZoomSteps(frameWidth, frameHeight, presenter.UsableBounds());
}

void WindowZoom::Load() {
    const ZoomSteps steps = Steps();
    const std::string saved = Settings::ReadString(settingsFile, kSection, kKey, "");
    percent = saved.empty() ? steps.FirstStart() : steps.FromSaved(Settings::ToNumber(saved));
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
    Settings::WriteNumber(settingsFile, kSection, kKey, percent);
    return true;
}

bool WindowZoom::IsZoomCommand(platform::CommandId id) {
    using platform::CommandId;
    return id == CommandId::ZoomIn || id == CommandId::ZoomOut || id == CommandId::ZoomReset;
}

} // namespace app
