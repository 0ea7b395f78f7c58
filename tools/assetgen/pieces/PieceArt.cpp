#include "pieces/PieceArt.h"

#include <string>

#include "Painters.h"
#include "Theme.h"
#include "pieces/PieceArtGlow.h"

using namespace puzzle;

namespace assetgen {

const std::vector<General>& PieceArt::Roster() {
    using namespace theme;
    static const std::vector<General> roster = {
        {"bing", "兵", kSoldier, nullptr, Emblem::CrossedSpears},
        {"caocao", "曹操", kWei, "魏", Emblem::Sword},
        {"dongzhuo", "董卓", kOther, "群", Emblem::Seal},
        {"huanggai", "黄盖", kWu, "吴", Emblem::Flame},
        {"sunjian", "孙坚", kWu, "吴", Emblem::Sword},
        {"taishici", "太史慈", kWu, "吴", Emblem::Halberd},
        {"xiahoudun", "夏侯惇", kWei, "魏", Emblem::Spear},
        {"yuanshao", "袁绍", kOther, "群", Emblem::Banner},
        {"huangzhong", "黄忠", kShu, "蜀", Emblem::Bow},
        {"guanyu", "关羽", kShu, "蜀", Emblem::Glaive},
        {"luxun", "陆逊", kWu, "吴", Emblem::Fan},
        {"machao", "马超", kShu, "蜀", Emblem::Lance},
        {"menghuo", "孟获", kOther, "蛮", Emblem::Axe},
        {"weiyan", "魏延", kShu, "蜀", Emblem::Saber},
        {"xiahouyuan", "夏侯渊", kWei, "魏", Emblem::Bow},
        {"zhangfei", "张飞", kShu, "蜀", Emblem::SnakeSpear},
        {"zhanghan", "章邯", kOther, "秦", Emblem::Sword},
        {"zhaoyun", "赵云", kShu, "蜀", Emblem::Spear},
    };
    return roster;
}

const std::vector<const char*>& PieceArt::FramePaths() {
    static const std::vector<const char*> paths = {
        "Graphic/Effects/acrosskuang.png",
        "Graphic/Effects/erectkuang.png",
        "Graphic/Effects/bigkuang.png",
        "Graphic/Effects/smallkuang.png",
    };
    return paths;
}

void PaintPieces(ImageSet& images) {
    for (const General& general : PieceArt::Roster()) {
        if (Canvas* canvas = images.Add(std::string("Graphic/UI/") + general.file + ".bmp")) {
            PieceArtCard(*canvas, general).Paint();
        }
    }
    for (const char* path : PieceArt::FramePaths()) {
        if (Canvas* canvas = images.Add(path)) {
            PieceArtGlow::Paint(*canvas);
        }
    }
}

} // namespace assetgen
