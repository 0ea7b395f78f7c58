#include <functional>

#include "Painters.h"
#include "screens/ScreenArtBoardBackground.h"
#include "screens/ScreenArtDialogs.h"
#include "screens/ScreenArtHelpPages.h"
#include "screens/ScreenArtLeaderboard.h"
#include "screens/ScreenArtLoading.h"
#include "screens/ScreenArtMenuBackground.h"
#include "screens/ScreenArtSettings.h"
#include "screens/ScreenArtTitleBar.h"

using namespace puzzle;

namespace assetgen {

void PaintScreens(ImageSet& images) {
    using I = game::Image;
    auto paint = [&images](I image, const std::function<void(Canvas&)>& painter) {
        if (Canvas* canvas = images.Add(image)) {
            painter(*canvas);
        }
    };
    paint(I::MenuBackground, PaintMenuBackground);
    // The logo carries the menu's pixels around its ribbon, so it follows the menu.
    if (const Canvas* menu = images.Find(I::MenuBackground)) {
        paint(I::Logo, [menu](Canvas& logo) { PaintLogo(logo, *menu); });
    }
    paint(I::TitleBar, PaintTitleBar);
    paint(I::TitleIcon, PaintTitleIcon);
    paint(I::BoardBackground, PaintBoardBackground);
    paint(I::Loading, PaintLoadingScreen);
    paint(I::LoadingBar, PaintLoadingBar);
    paint(I::Overlay, PaintOverlay);
    paint(I::Leaderboard, PaintLeaderboard);
    paint(I::WinPanel, PaintWinPanel);
    paint(I::NameEntry, PaintNameEntry);
    paint(I::HelpPages, PaintHelpPages);
    paint(I::SettingsPage, PaintSettingsPage);
    paint(I::FullscreenTick, PaintSettingsTick);
    paint(I::LeavePage, PaintLeaveDialog);
}

} // namespace assetgen
