#include "game/screens/WebBand.h"

#include <utility>

#include "platform/DocumentOpener.h"
#include "platform/Settings.h"

namespace game {

namespace {

constexpr std::size_t kLongestAddress = 260;

} // namespace

WebBand::WebBand(std::string settingsPath, platform::DocumentOpener& opener)
    : settingsPath(std::move(settingsPath)), opener(opener) {}

bool WebBand::Handle(const core::Input& event) {
    if (event.code != core::kMouseLeftDown || !(600 < event.x && event.x < 800) ||
        !(24 < event.y && event.y < 60)) {
        return false;
    }
    std::string address = platform::Settings::ReadString(settingsPath, "website", "web2", "1");
    if (address.size() > kLongestAddress) {
        address.resize(kLongestAddress);
    }
    opener.Open(address);
    return false;
}

} // namespace game
