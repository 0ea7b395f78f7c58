#include "AssetManifest.h"

#include <string_view>

namespace assetgen {
namespace {

constexpr int kLevelCount = 267;

void AddImages(std::vector<AssetSpec>& list) {
    using K = AssetKind;
    const std::vector<AssetSpec> fixed = {
        {"Graphic/UI/desk.bmp", K::OpaqueBmp, 800, 600},
        {"Graphic/UI/youxijiemian.bmp", K::OpaqueBmp, 800, 600},
        {"Graphic/UI/lodingtiao.bmp", K::OpaqueBmp, 800, 600},
        {"Graphic/UI/lodingtiao_1.png", K::Png, 354, 30},
        {"Graphic/UI/ui_biaotilan.bmp", K::OpaqueBmp, 800, 24},
        {"Graphic/UI/left_tile.png", K::Png, 105, 23},
        {"Graphic/UI/logo.bmp", K::KeyedBmp, 800, 35, 4},
        {"Graphic/UI/phbang.bmp", K::KeyedBmp, 300, 504},
        {"Graphic/UI/guog.bmp", K::KeyedBmp, 304, 244},
        {"Graphic/UI/pinput.bmp", K::KeyedBmp, 350, 230},
        {"Graphic/UI/jies.bmp", K::KeyedBmp, 357, 396, 3},
        {"Graphic/UI/zhezhao.png", K::Png, 800, 480},
        {"Graphic/UI/sfx_zi.bmp", K::KeyedBmp, 80, 15, 10},
        {"Graphic/UI/ytg.bmp", K::KeyedBmp, 48, 17},
        {"Graphic/UI/wtg.bmp", K::KeyedBmp, 48, 17},
        {"Graphic/UI/xian.bmp", K::KeyedBmp, 51, 1},
        {"Graphic/UI/drag.bmp", K::KeyedBmp, 24, 24},
        {"Graphic/UI/bing.bmp", K::KeyedBmp, 98, 94},
        {"Graphic/UI/caocao.bmp", K::KeyedBmp, 196, 188},
        {"Graphic/Effects/acrosskuang.png", K::Png, 196, 94},
        {"Graphic/Effects/erectkuang.png", K::Png, 98, 188},
        {"Graphic/Effects/bigkuang.png", K::Png, 196, 188},
        {"Graphic/Effects/smallkuang.png", K::Png, 98, 94},
        {"Graphic/setting/m_set_node.bmp", K::KeyedBmp, 354, 284},
        {"Graphic/setting/ok.bmp", K::KeyedBmp, 31, 25},
        {"Graphic/setting/m_set_y.bmp", K::KeyedBmp, 500, 38, 5},
        {"Graphic/setting/m_set_n.bmp", K::KeyedBmp, 500, 38, 5},
        {"Graphic/setting/leave_lable.bmp", K::KeyedBmp, 304, 244},
        {"Graphic/setting/set_r_btn.bmp", K::KeyedBmp, 560, 38, 5},
        {"Graphic/setting/set_n_btn.bmp", K::KeyedBmp, 560, 38, 5},
    };
    list.insert(list.end(), fixed.begin(), fixed.end());

    for (const char* name :
         {"dongzhuo", "huanggai", "sunjian", "taishici", "xiahoudun", "yuanshao", "huangzhong"}) {
        list.push_back({std::string("Graphic/UI/") + name + ".bmp", K::KeyedBmp, 196, 94});
    }
    for (const char* name : {"guanyu", "luxun", "machao", "menghuo", "weiyan", "xiahouyuan",
                             "zhangfei", "zhanghan", "zhaoyun"}) {
        list.push_back({std::string("Graphic/UI/") + name + ".bmp", K::KeyedBmp, 98, 188});
    }

    struct Strip {
        const char* name;
        int width;
        int height;
    };
    const Strip buttons[] = {
        {"frameMoreGame", 650, 50},
        {"dianwo", 650, 50},
        {"tc", 650, 50},
        {"return_btn", 650, 50},
        {"xyg", 500, 38},
        {"qx", 500, 38},
        {"syy", 65, 10},
        {"xyy", 65, 10},
        {"i_rightbtn", 560, 39},
        {"i_nobtn", 560, 39},
        {"zsyy", 85, 42},
        {"zxyy", 85, 42},
        {"zuidahua", 120, 24},
        {"zuixiaohua", 120, 24},
        {"close", 120, 24},
        {"set", 550, 40},
        {"leave", 550, 40},
        {"phangbang", 550, 40},
        {"start", 1130, 130},
    };
    for (const Strip& strip : buttons) {
        list.push_back({std::string("Graphic/Button/") + strip.name + ".bmp", K::KeyedBmp,
                        strip.width, strip.height, 5});
    }
    for (int n = 1; n <= kLevelCount; ++n) {
        // 267 strips loaded together at every display set-up.
        list.push_back(
            {"Graphic/Board/" + std::to_string(n) + ".bmp", K::KeyedBmp, 645, 30, 5, true});
    }
    for (int n = 1; n <= kLevelCount; ++n) {
        list.push_back({"Graphic/Board/s" + std::to_string(n) + ".bmp", K::KeyedBmp, 62, 17});
    }
}

std::vector<AssetSpec> Build() {
    std::vector<AssetSpec> list;
    AddImages(list);
    using K = AssetKind;
    list.push_back({"tpz.bmp", K::OpaqueBmp, 64, 64});
    list.push_back({"tovak-marudo.png", K::Png, 64, 64});
    list.push_back({"Cursor.cur", K::Cursor, 32, 32});
    for (const char* track : {"begin", "board1", "board2", "board3"}) {
        list.push_back({std::string("Music/") + track + ".mp3", K::Mp3});
    }
    list.push_back({"Sound/btn.wav", K::Wav});
    list.push_back({"Help/index.html", K::Text});
    list.push_back({"set.ini", K::Text});
    list.push_back({"tovak-marudo.desktop", K::Text});
    return list;
}

} // namespace

const std::vector<AssetSpec>& AssetManifest() {
    static const std::vector<AssetSpec> list = Build();
    return list;
}

const AssetSpec* FindAsset(const std::string& path) {
    for (const AssetSpec& spec : AssetManifest()) {
        if (spec.path == path) {
            return &spec;
        }
    }
    return nullptr;
}

} // namespace assetgen
