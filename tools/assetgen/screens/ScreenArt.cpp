#include <functional>
#include <string>

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
    auto paint = [&images](const std::string& path, const std::function<void(Canvas&)>& painter) {
        if (Canvas* canvas = images.Add(path)) {
            painter(*canvas);
        }
    };
    paint("Graphic/UI/youxijiemian.bmp", PaintMenuBackground);
    // The logo carries the menu's pixels around its ribbon, so it follows the menu.
    if (const Canvas* menu = images.Find("Graphic/UI/youxijiemian.bmp")) {
        paint("Graphic/UI/logo.bmp", [menu](Canvas& logo) { PaintLogo(logo, *menu); });
    }
    paint("Graphic/UI/ui_biaotilan.bmp", PaintTitleBar);
    paint("Graphic/UI/left_tile.png", PaintTitleIcon);
    paint("Graphic/UI/desk.bmp", PaintBoardBackground);
    paint("Graphic/UI/lodingtiao.bmp", PaintLoadingScreen);
    paint("Graphic/UI/lodingtiao_1.png", PaintLoadingBar);
    paint("Graphic/UI/zhezhao.png", PaintOverlay);
    paint("Graphic/UI/phbang.bmp", PaintLeaderboard);
    paint("Graphic/UI/guog.bmp", PaintWinPanel);
    paint("Graphic/UI/pinput.bmp", PaintNameEntry);
    paint("Graphic/UI/jies.bmp", PaintHelpPages);
    paint("Graphic/setting/m_set_node.bmp", PaintSettingsPage);
    paint("Graphic/setting/ok.bmp", PaintSettingsTick);
    paint("Graphic/setting/leave_lable.bmp", PaintLeaveDialog);
}

} // namespace assetgen
