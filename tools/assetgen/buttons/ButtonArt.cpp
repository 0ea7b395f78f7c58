#include "buttons/ButtonArt.h"

#include "Painters.h"
#include "buttons/ButtonArtFace.h"
#include "buttons/ButtonArtStart.h"
#include "buttons/ButtonStrip.h"

using namespace puzzle;

namespace assetgen {

const std::vector<ButtonArt::Labelled>& ButtonArt::LabelledButtons() {
    using S = ButtonStyle;
    static const std::vector<Labelled> buttons = {
        {"Graphic/Button/frameMoreGame.bmp", S::Lacquer, "关卡图谱", "Level guide"},
        {"Graphic/Button/dianwo.bmp", S::Lacquer, "游戏帮助", "How to play"},
        {"Graphic/Button/tc.bmp", S::Lacquer, "退出", "Exit"},
        {"Graphic/Button/return_btn.bmp", S::Lacquer, "返回", "Back"},
        {"Graphic/Button/xyg.bmp", S::Cinnabar, "下一关", "Next"},
        {"Graphic/Button/qx.bmp", S::Lacquer, "关闭", "Close"},
        {"Graphic/Button/tishi.bmp", S::Cinnabar, "提示", "Hint"},
        {"Graphic/Button/i_rightbtn.bmp", S::Cinnabar, "确定", "OK"},
        {"Graphic/Button/i_nobtn.bmp", S::Lacquer, "取消", "Cancel"},
        {"Graphic/Button/set.bmp", S::Lacquer, "设置", "Settings"},
        {"Graphic/Button/leave.bmp", S::Lacquer, "离开", "Leave"},
        {"Graphic/Button/phangbang.bmp", S::Lacquer, "排行榜", "Ranking"},
        {"Graphic/setting/m_set_y.bmp", S::Cinnabar, "确定", "OK"},
        {"Graphic/setting/m_set_n.bmp", S::Lacquer, "取消", "Cancel"},
        {"Graphic/setting/set_r_btn.bmp", S::Cinnabar, "回主菜单", "Menu"},
        {"Graphic/setting/set_n_btn.bmp", S::Lacquer, "继续游戏", "Resume"},
    };
    return buttons;
}

const std::vector<ButtonArt::Signed>& ButtonArt::SignedButtons() {
    using S = ButtonStyle;
    static const std::vector<Signed> buttons = {
        {"Graphic/Button/syy.bmp", Glyph::ArrowLeft, S::Lacquer},
        {"Graphic/Button/xyy.bmp", Glyph::ArrowRight, S::Lacquer},
        {"Graphic/Button/zsyy.bmp", Glyph::ArrowLeft, S::Lacquer},
        {"Graphic/Button/zxyy.bmp", Glyph::ArrowRight, S::Lacquer},
        {"Graphic/Button/zuidahua.bmp", Glyph::Maximise, S::Lacquer},
        {"Graphic/Button/zuixiaohua.bmp", Glyph::Minimise, S::Lacquer},
        {"Graphic/Button/close.bmp", Glyph::Close, S::Cinnabar},
    };
    return buttons;
}

void PaintButtons(ImageSet& images) {
    for (const ButtonArt::Labelled& button : ButtonArt::LabelledButtons()) {
        if (Canvas* strip = images.Add(button.path)) {
            PaintButtonStrip(*strip, ButtonArtFace(button.style, button.chinese, button.english));
        }
    }
    for (const ButtonArt::Signed& button : ButtonArt::SignedButtons()) {
        if (Canvas* strip = images.Add(button.path)) {
            PaintButtonStrip(*strip, ButtonArtGlyph(button.glyph, button.style));
        }
    }
    if (Canvas* strip = images.Add(ButtonArt::kStartPath)) {
        PaintButtonStrip(*strip, ButtonArtStart());
    }
}

} // namespace assetgen
