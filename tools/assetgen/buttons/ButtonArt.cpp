#include "buttons/ButtonArt.h"

#include "Painters.h"
#include "buttons/ButtonArtFace.h"
#include "buttons/ButtonArtStart.h"
#include "buttons/ButtonStrip.h"
#include "game/Layout.h"

using namespace puzzle;

namespace assetgen {
namespace {

std::string FileOf(game::Image image) {
    return game::Layout::Of(image).file;
}

} // namespace

const std::vector<ButtonArt::Labelled>& ButtonArt::LabelledButtons() {
    using I = game::Image;
    using S = ButtonStyle;
    static const std::vector<Labelled> buttons = {
        {FileOf(I::MoreGamesButton), S::Lacquer, "关卡图谱", "Level guide"},
        {FileOf(I::ClickMeButton), S::Lacquer, "游戏帮助", "How to play"},
        {FileOf(I::ExitButton), S::Lacquer, "退出", "Exit"},
        {FileOf(I::ReturnButton), S::Lacquer, "返回", "Back"},
        {FileOf(I::NextLevelButton), S::Cinnabar, "下一关", "Next"},
        {FileOf(I::CloseWinButton), S::Lacquer, "关闭", "Close"},
        {FileOf(I::HintButton), S::Cinnabar, "提示", "Hint"},
        {FileOf(I::NameOk), S::Cinnabar, "确定", "OK"},
        {FileOf(I::NameCancel), S::Lacquer, "取消", "Cancel"},
        {FileOf(I::SettingsButton), S::Lacquer, "设置", "Settings"},
        {FileOf(I::LeaveButton), S::Lacquer, "离开", "Leave"},
        {FileOf(I::LeaderboardButton), S::Lacquer, "排行榜", "Ranking"},
        {FileOf(I::SettingsOk), S::Cinnabar, "确定", "OK"},
        {FileOf(I::SettingsCancel), S::Lacquer, "取消", "Cancel"},
        {FileOf(I::LeaveYesButton), S::Cinnabar, "回主菜单", "Menu"},
        {FileOf(I::LeaveNoButton), S::Lacquer, "继续游戏", "Resume"},
    };
    return buttons;
}

const std::vector<ButtonArt::Signed>& ButtonArt::SignedButtons() {
    using I = game::Image;
    using S = ButtonStyle;
    static const std::vector<Signed> buttons = {
        {FileOf(I::HelpPrevButton), Glyph::ArrowLeft, S::Lacquer},
        {FileOf(I::HelpNextButton), Glyph::ArrowRight, S::Lacquer},
        {FileOf(I::LevelPrevButton), Glyph::ArrowLeft, S::Lacquer},
        {FileOf(I::LevelNextButton), Glyph::ArrowRight, S::Lacquer},
        {FileOf(I::FullScreenButton), Glyph::Maximise, S::Lacquer},
        {FileOf(I::MinimizeButton), Glyph::Minimise, S::Lacquer},
        {FileOf(I::CloseButton), Glyph::Close, S::Cinnabar},
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
