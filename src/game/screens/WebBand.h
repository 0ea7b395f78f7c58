#pragma once

#include "app/AppSettings.h"
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
    // The settings and the opener must outlive the band.
    WebBand(const app::AppSettings& settings, platform::DocumentOpener& opener);

    bool Handle(const core::Input& event) override;
    bool Shown() const override { return true; }

private:
    const app::AppSettings& settings;
    platform::DocumentOpener& opener;
};

} // namespace game
