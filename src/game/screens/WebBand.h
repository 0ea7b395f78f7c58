#pragma once

#include <string>

#include "app/InputReceiver.h"

namespace platform {
class DocumentOpener;
}

namespace game {

// The band below the right half of the title bar, strictly inside x 600..800 and y 24..60: a
// left press there opens the second web address of the settings file ("web2"), read afresh and
// cut to 260 characters. It lies on every screen, so it is always shown; it consumes nothing.
class WebBand : public app::InputReceiver {
public:
    // The opener must outlive the band.
    WebBand(std::string settingsPath, platform::DocumentOpener& opener);

    bool Handle(const core::Input& event) override;
    bool Shown() const override { return true; }

private:
    std::string settingsPath;
    platform::DocumentOpener& opener;
};

} // namespace game
