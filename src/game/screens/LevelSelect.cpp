#include "game/screens/LevelSelect.h"

#include <algorithm>
#include <cassert>
#include <string>

#include "game/screens/BoardScreen.h"
#include "puzzle/Board.h"
#include "puzzle/Geometry.h"

namespace game {

namespace {

constexpr int kRowSpacing = 33;
constexpr int kListSpacing = 20;

// Where the row of a level sits on its page, 0..4.
int RowOf(int level) {
    return (level - 1) % LevelSelect::kLevelsPerPage;
}

std::string BoardImage(const std::string& gameFolder, const std::string& prefix, int level) {
    return gameFolder + "Graphic\\Board\\" + prefix + std::to_string(level) + ".bmp";
}

} // namespace

LevelSelect::LevelSelect() : levelButtons(puzzle::kLevelCount), levelNames(puzzle::kLevelCount) {
    AddChild(&prevListButton);
    AddChild(&nextListButton);
    AddChild(&listBox);
    listBox.SetPosition(14, 333);
    listBox.SetSize(187, 113);
    for (int n = 1; n <= puzzle::kLevelCount; ++n) {
        AddChild(&LevelButton(n));
        listBox.AddChild(&LevelName(n));
    }
}

LevelSelect::~LevelSelect() {
    for (int n = 1; n <= puzzle::kLevelCount; ++n) {
        listBox.RemoveChild(&LevelName(n));
        RemoveChild(&LevelButton(n));
    }
    RemoveChild(&listBox);
    RemoveChild(&nextListButton);
    RemoveChild(&prevListButton);
}

std::size_t LevelSelect::Index(int level) {
    assert(level >= 1 && level <= puzzle::kLevelCount);
    return static_cast<std::size_t>(level - 1);
}

int LevelSelect::FirstLevel() const {
    return kLevelsPerPage * page - (kLevelsPerPage - 1);
}

int LevelSelect::LastLevel() const {
    return std::min(kLevelsPerPage * page, puzzle::kLevelCount);
}

int LevelSelect::LastPage() const {
    constexpr int kPageOfLastLevel = (puzzle::kLevelCount - 1) / kLevelsPerPage + 1;
    const int byMaxLevel = board != nullptr ? board->maxLevel / kLevelsPerPage + 1 : 1;
    // A larger "maxboard" would only add pages without levels.
    return std::min(byMaxLevel, kPageOfLastLevel);
}

void LevelSelect::BuildLevelSelect(puzzle::Board* newBoard, BoardScreen* newScreen,
                                   const std::string& gameFolder) {
    board = newBoard;
    screen = newScreen;
    LoadLevels(gameFolder);
    passedMark.LoadImage(gameFolder + "Graphic\\UI\\ytg.bmp", 0, 0, 48, 17, 1);
    notPassedMark.LoadImage(gameFolder + "Graphic\\UI\\wtg.bmp", 0, 0, 48, 17, 1);
    prevListButton.Load(gameFolder + "Graphic\\Button\\zsyy.bmp", 13, 24, 85, 42);
    nextListButton.Load(gameFolder + "Graphic\\Button\\zxyy.bmp", 183, 24, 85, 42);
    rowLine.LoadImage(gameFolder + "Graphic\\UI\\xian.bmp", 0, 0, 51, 1, 1);
}

void LevelSelect::LoadLevels(const std::string& gameFolder) {
    for (int n = 1; n <= puzzle::kLevelCount; ++n) {
        widgets::Button& button = LevelButton(n);
        button.Load(BoardImage(gameFolder, "", n), 43, 98 + kRowSpacing * RowOf(n), 645, 30);
        button.SetVisible(0);
    }
    for (int n = 1; n <= puzzle::kLevelCount; ++n) {
        scene::Picture& name = LevelName(n);
        name.LoadImage(BoardImage(gameFolder, "s", n), 5, kListSpacing * RowOf(n), 62, 17, 1);
        name.SetVisible(0);
    }
    ShowPage(1);
}

void LevelSelect::ShowPage(int on) {
    for (int n = FirstLevel(); n <= LastLevel(); ++n) {
        LevelButton(n).SetVisible(on);
        LevelName(n).SetVisible(on);
    }
}

void LevelSelect::TurnPage(int delta) {
    ShowPage(0);
    page += delta;
    ShowPage(1);
}

void LevelSelect::Draw() {
    scene::Element::Draw();
    if (board == nullptr) {
        return;
    }
    for (int n = FirstLevel(); n <= LastLevel(); ++n) {
        DrawRow(n);
    }
}

void LevelSelect::DrawRow(int level) {
    const int row = RowOf(level);
    scene::Picture& mark =
        board->cleared[static_cast<std::size_t>(level)] != 0 ? passedMark : notPassedMark;
    mark.SetPosition(565, 370 + kListSpacing * row);
    mark.Draw();
    rowLine.SetPosition(514, 375 + kListSpacing * row);
    rowLine.Draw();
}

void LevelSelect::ReleaseSurfaces() {
    passedMark.ReleaseSurfaces();
    notPassedMark.ReleaseSurfaces();
    rowLine.ReleaseSurfaces();
    scene::Element::ReleaseSurfaces();
}

void LevelSelect::OnMouseEvent(core::MouseEvent* event) {
    if (event == nullptr || visible == 0 || board == nullptr) {
        return;
    }
    core::RouteMouse(
        *event, [this](int x, int y) { OnPress(x, y); }, [this](int x, int y) { OnRelease(x, y); },
        [this](int x, int y) { OnMove(x, y); });
}

void LevelSelect::OnPress(int x, int y) {
    for (int n = FirstLevel(); n <= LastLevel(); ++n) {
        // A level button takes the press silently.
        if (LevelButton(n).OnMouseDown(x, y)) {
            return;
        }
    }
    if (prevListButton.OnMouseDown(x, y) || nextListButton.OnMouseDown(x, y)) {
        BoardScreen::PlayClick();
    }
}

void LevelSelect::OnRelease(int x, int y) {
    for (int n = FirstLevel(); n <= LastLevel(); ++n) {
        if (LevelButton(n).OnMouseUp(x, y)) {
            if (screen != nullptr) {
                screen->StartLevel(n);
            }
            return;
        }
    }
    if (prevListButton.OnMouseUp(x, y) && page > 1) {
        TurnPage(-1);
    } else if (nextListButton.OnMouseUp(x, y) && page < LastPage()) {
        TurnPage(1);
    }
}

void LevelSelect::OnMove(int x, int y) {
    for (int n = FirstLevel(); n <= LastLevel(); ++n) {
        if (LevelButton(n).OnMouseMove(x, y)) {
            return;
        }
    }
    if (!prevListButton.OnMouseMove(x, y)) {
        nextListButton.OnMouseMove(x, y);
    }
}

} // namespace game
