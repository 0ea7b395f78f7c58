#include "game/Layout.h"

#include <cassert>
#include <set>

#include "puzzle/Geometry.h"

namespace game {
namespace {

using puzzle::kCellHeight;
using puzzle::kCellWidth;

struct NamedArea {
    Area area;
    AreaPlace place;
};

const NamedArea kAreas[] = {
    {Area::Screen, {Area::Screen, 0, 0, 800, 600}},
    {Area::BoardPanel, {Area::Screen, 0, 24, 800, 576}},
    {Area::BoardGrid,
     {Area::BoardPanel, 14, 12, puzzle::kColumns* kCellWidth, puzzle::kRows* kCellHeight}},
    {Area::LevelColumn, {Area::BoardPanel, 433, 11, 227, 484}},
    {Area::LevelList, {Area::LevelColumn, 14, 333, 187, 113}},
    {Area::StepCounter, {Area::Screen, 547, 72, 32, 15}},
    {Area::FewestCounter, {Area::Screen, 547, 97, 32, 15}},
    {Area::WinSteps, {Area::WinPanel, 90, 135, 32, 15}},
    {Area::WinFewest, {Area::WinPanel, 226, 135, 32, 15}},
    {Area::SettingsPage, {Area::Screen, 223, 158, 354, 284}},
    {Area::LeavePage, {Area::Screen, 248, 178, 304, 244}},
    {Area::WinPanel, {Area::Screen, 255, 150, 304, 244}},
    {Area::NameEntry, {Area::Screen, 225, 100, 350, 230}},
    {Area::NameField, {Area::NameEntry, 80, 98, 192, 23}},
};

struct NamedImage {
    Image image;
    ImagePlace place;
};

const std::string kUi = "Graphic/UI/";
const std::string kButton = "Graphic/Button/";
const std::string kSetting = "Graphic/setting/";
const std::string kEffects = "Graphic/Effects/";
const std::string kBoard = "Graphic/Board/";

std::vector<NamedImage> FixedImages() {
    using A = Area;
    using I = Image;
    // Buttons are strips of five frames: normal, hover, pressed, disabled, normal.
    constexpr int b = 5;
    return {
        {I::Loading, {kUi + "lodingtiao.bmp", A::Screen, 0, 0, 800, 600}},
        {I::LoadingBar, {kUi + "lodingtiao_1.png", A::Screen, 225, 542, 354, 30}},
        // A window frame places its title-bar parts itself: the buttons against its right
        // edge, one, two and three button widths from it.
        {I::TitleBar, {kUi + "ui_biaotilan.bmp", A::Screen, 0, 0, 800, 24}},
        {I::TitleIcon, {kUi + "left_tile.png", A::Screen, 10, 0, 105, 23}},
        {I::MinimizeButton, {kButton + "zuixiaohua.bmp", A::Screen, 692, 0, 120, 24, b}},
        {I::FullScreenButton, {kButton + "zuidahua.bmp", A::Screen, 721, 0, 120, 24, b}},
        {I::CloseButton, {kButton + "close.bmp", A::Screen, 750, 0, 120, 24, b}},
        {I::MenuBackground, {kUi + "youxijiemian.bmp", A::Screen, 0, 0, 800, 600}},
        {I::Logo, {kUi + "logo.bmp", A::Screen, 20, 24, 800, 35, 4}},
        {I::SettingsButton, {kButton + "set.bmp", A::Screen, 360, 537, 550, 40, b}},
        {I::LeaveButton, {kButton + "leave.bmp", A::Screen, 583, 537, 550, 40, b}},
        {I::StartButton, {kButton + "start.bmp", A::Screen, 313, 405, 1130, 130, b}},
        {I::LeaderboardButton, {kButton + "phangbang.bmp", A::Screen, 94, 537, 550, 40, b}},
        {I::Leaderboard, {kUi + "phbang.bmp", A::Screen, 250, 48, 300, 504}},
        {I::SettingsPage, {kSetting + "m_set_node.bmp", A::Screen, 223, 158, 354, 284}},
        {I::FullscreenTick, {kSetting + "ok.bmp", A::SettingsPage, 95, 208, 31, 25}},
        {I::SettingsOk, {kSetting + "m_set_y.bmp", A::SettingsPage, 70, 235, 500, 38, b}},
        {I::SettingsCancel, {kSetting + "m_set_n.bmp", A::SettingsPage, 190, 235, 500, 38, b}},
        {I::SoundKnob, {kUi + "drag.bmp", A::SettingsPage, 95, 130, 24, 24}},
        {I::MusicKnob, {kUi + "drag.bmp", A::SettingsPage, 95, 180, 24, 24}},
        {I::BoardBackground, {kUi + "desk.bmp", A::Screen, 0, 0, 800, 600}},
        {I::Overlay, {kUi + "zhezhao.png", A::Screen, 0, 0, 800, 480}},
        {I::NameEntry, {kUi + "pinput.bmp", A::Screen, 225, 100, 350, 230}},
        {I::NameOk, {kButton + "i_rightbtn.bmp", A::NameEntry, 40, 160, 560, 39, b}},
        {I::NameCancel, {kButton + "i_nobtn.bmp", A::NameEntry, 200, 160, 560, 39, b}},
        // Ten digits, stamped from the counter's right edge leftwards.
        {I::StepDigits, {kUi + "sfx_zi.bmp", A::StepCounter, 0, 0, 80, 15, 10}},
        {I::MoreGamesButton, {kButton + "frameMoreGame.bmp", A::BoardPanel, 237, 520, 650, 50, b}},
        {I::ClickMeButton, {kButton + "dianwo.bmp", A::BoardPanel, 28, 520, 650, 50, b}},
        {I::ExitButton, {kButton + "tc.bmp", A::BoardPanel, 450, 520, 650, 50, b}},
        {I::ReturnButton, {kButton + "return_btn.bmp", A::Screen, 660, 542, 650, 50, b}},
        {I::WinPanel, {kUi + "guog.bmp", A::Screen, 255, 150, 304, 244}},
        {I::NextLevelButton, {kButton + "xyg.bmp", A::WinPanel, 35, 180, 500, 38, b}},
        {I::CloseWinButton, {kButton + "qx.bmp", A::WinPanel, 175, 180, 500, 38, b}},
        {I::HelpPages, {kUi + "jies.bmp", A::BoardPanel, 660, 54, 357, 396, 3}},
        {I::HelpPrevButton, {kButton + "syy.bmp", A::BoardPanel, 670, 470, 65, 10, b}},
        {I::HelpNextButton, {kButton + "xyy.bmp", A::BoardPanel, 770, 470, 65, 10, b}},
        {I::LevelPrevButton, {kButton + "zsyy.bmp", A::LevelColumn, 13, 24, 85, 42, b}},
        {I::LevelNextButton, {kButton + "zxyy.bmp", A::LevelColumn, 183, 24, 85, 42, b}},
        // Stamped on the screen for the page's first listed level, the others a row apart.
        {I::PassedMark, {kUi + "ytg.bmp", A::Screen, 565, 370, 48, 17}},
        {I::NotPassedMark, {kUi + "wtg.bmp", A::Screen, 565, 370, 48, 17}},
        {I::RowLine, {kUi + "xian.bmp", A::Screen, 514, 375, 51, 1}},
        // Its well lies under the step counter's, holding the digits of Area::FewestCounter.
        {I::FewestLabel, {kUi + "zuishao.png", A::Screen, 484, 93, 104, 22}},
        {I::HintButton, {kButton + "tishi.bmp", A::Screen, 505, 491, 350, 24, b}},
        // Centred by the board screen on the cells a hinted piece moves into.
        {I::HintArrows, {kEffects + "tishi_jiantou.png", A::BoardGrid, 0, 0, 192, 48, 4}},
        // Centred by the board screen on the hinted piece.
        {I::HintMark, {kEffects + "tishi_biaoji.png", A::BoardGrid, 0, 0, 80, 80}},
        // Digits 0..9 and a slash; a cleared level's record is written right-aligned against
        // the mark, no further left than this, and the row line shortened to meet it.
        {I::RecordDigits, {kUi + "jlzi.bmp", A::Screen, 514, 371, 55, 9, 11}},
        {I::RecordSeal, {kUi + "jlyin.bmp", A::Screen, 616, 371, 15, 15}},
        {I::AssistedMark, {kUi + "tsg.bmp", A::Screen, 565, 370, 48, 17}},
        {I::LeavePage, {kSetting + "leave_lable.bmp", A::Screen, 248, 178, 304, 244}},
        {I::LeaveYesButton, {kSetting + "set_r_btn.bmp", A::LeavePage, 30, 150, 560, 38, b}},
        {I::LeaveNoButton, {kSetting + "set_n_btn.bmp", A::LeavePage, 170, 150, 560, 38, b}},
    };
}

const std::vector<NamedImage>& Images() {
    static const std::vector<NamedImage> images = FixedImages();
    return images;
}

// A knob starts on the left end of its track.
SliderTrack TrackOf(const ImagePlace& knob) {
    constexpr int kTrackLength = 210;
    return {knob.x, knob.y, knob.x + kTrackLength};
}

int RowOnPage(int level) {
    assert(level >= 1 && level <= puzzle::kLevelCount);
    return (level - 1) % Layout::kLevelsPerPage;
}

} // namespace

const ImagePlace& Layout::Of(Image image) {
    for (const NamedImage& named : Images()) {
        if (named.image == image) {
            return named.place;
        }
    }
    assert(false && "every image has a place");
    return Images().front().place;
}

const AreaPlace& Layout::Of(Area area) {
    for (const NamedArea& named : kAreas) {
        if (named.area == area) {
            return named.place;
        }
    }
    assert(false && "every area has a place");
    return kAreas[0].place;
}

ScreenPoint Layout::Origin(Area area) {
    ScreenPoint origin;
    while (area != Area::Screen) {
        const AreaPlace& place = Of(area);
        origin.x += place.x;
        origin.y += place.y;
        area = place.parent;
    }
    return origin;
}

ScreenPoint Layout::OnScreen(const ImagePlace& place) {
    const ScreenPoint origin = Origin(place.area);
    return {origin.x + place.x, origin.y + place.y};
}

ImagePlace Layout::LevelButton(int level) {
    const std::string file = kBoard + std::to_string(level) + ".bmp";
    return {file, Area::LevelColumn, 43, 98 + kLevelRowSpacing * RowOnPage(level), 645, 30, 5};
}

ImagePlace Layout::LevelName(int level) {
    const std::string file = kBoard + "s" + std::to_string(level) + ".bmp";
    return {file, Area::LevelList, 5, kListRowSpacing * RowOnPage(level), 62, 17};
}

ImagePlace Layout::PiecePortrait(int number) {
    puzzle::Piece piece;
    piece.SetType(number);
    return {kUi + puzzle::Piece::PortraitImage(number),
            Area::BoardGrid,
            0,
            0,
            piece.width,
            piece.height};
}

ImagePlace Layout::SelectionFrame(puzzle::Shape shape) {
    return {kEffects + puzzle::Piece::FrameImage(shape),
            Area::BoardGrid,
            0,
            0,
            puzzle::Piece::ColumnsOf(shape) * kCellWidth,
            puzzle::Piece::RowsOf(shape) * kCellHeight};
}

const TableCells& Layout::LeaderboardCells() {
    static const TableCells cells{10, 2, 63, 135, {135, 33}, 34};
    return cells;
}

SliderTrack Layout::SoundTrack() {
    return TrackOf(Of(Image::SoundKnob));
}

SliderTrack Layout::MusicTrack() {
    return TrackOf(Of(Image::MusicKnob));
}

std::vector<ImagePlace> Layout::AllImages() {
    std::vector<ImagePlace> all;
    std::set<std::string> files;
    const auto add = [&all, &files](const ImagePlace& place) {
        if (files.insert(place.file).second) {
            all.push_back(place);
        }
    };
    for (const NamedImage& named : Images()) {
        add(named.place);
    }
    for (int number = 1; number <= puzzle::kMaxPieceNumber; ++number) {
        add(PiecePortrait(number));
    }
    for (const puzzle::Shape shape :
         {puzzle::Shape::Across, puzzle::Shape::Erect, puzzle::Shape::Big, puzzle::Shape::Small}) {
        add(SelectionFrame(shape));
    }
    for (int level = 1; level <= puzzle::kLevelCount; ++level) {
        add(LevelButton(level));
    }
    for (int level = 1; level <= puzzle::kLevelCount; ++level) {
        add(LevelName(level));
    }
    return all;
}

} // namespace game
