#include "app/AppSettings.h"

#include <utility>

#include "platform/Settings.h"

namespace app {

using platform::Settings;

AppSettings::AppSettings(std::string path) : path(std::move(path)) {}

bool AppSettings::FullScreen() const {
    return Settings::ReadNumber(path, "set", "fullscreen", "0") == 1;
}

bool AppSettings::SetFullScreen(bool on) const {
    return Settings::WriteString(path, "set", "fullscreen", on ? "1" : "0");
}

std::optional<int> AppSettings::Zoom() const {
    const std::string saved = Settings::ReadString(path, "set", "zoom", "");
    if (saved.empty()) {
        return std::nullopt;
    }
    return Settings::ToNumber(saved);
}

bool AppSettings::SetZoom(int percent) const {
    return Settings::WriteNumber(path, "set", "zoom", percent);
}

std::string AppSettings::WebAddress(int n) const {
    return Settings::ReadString(path, "website", "web" + std::to_string(n), "1");
}

} // namespace app
