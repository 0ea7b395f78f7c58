#include "game/screens/WebBand.h"

#include "platform/DocumentOpener.h"

namespace game {

namespace {

constexpr std::size_t kLongestAddress = 260;

} // namespace

WebBand::WebBand(const app::AppSettings& settings, platform::DocumentOpener& opener)
    : settings(settings), opener(opener) {}

bool WebBand::Handle(const core::Input& event) {
    if (event.code != core::kMouseLeftDown || !(600 < event.x && event.x < 800) ||
        !(24 < event.y && event.y < 60)) {
        return false;
    }
    std::string address = settings.WebAddress(2);
    if (address.size() > kLongestAddress) {
        address.resize(kLongestAddress);
    }
    opener.Open(address);
    return false;
}

} // namespace game
