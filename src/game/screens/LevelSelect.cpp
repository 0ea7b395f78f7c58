#include "game/screens/LevelSelect.h"

#include <algorithm>
#include <cassert>
#include <string>

#include "game/PlacedImage.h"
#include "game/screens/BoardScreen.h"
#include "game/screens/Report.h"
#include "puzzle/Board.h"
#include "puzzle/Geometry.h"

namespace game {

namespace {

// Where the row of a level sits on its page, 0..4.
int RowOf(int level) {
    return (level - 1) % LevelSelect::kLevelsPerPage;
}

} // namespace

LevelSelect::LevelSelect() : levelButtons(puzzle::kLevelCount), levelNames(puzzle::kLevelCount) {
    AddChild(&prevListButton);
    AddChild(&nextListButton);
    AddChild(&listBox);
    const AreaPlace& list = Layout::Of(Area::LevelList);
    listBox.SetPosition(list.x, list.y);
    listBox.SetSize(list.width, list.height);
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

void LevelSelect::BuildLevelSelect(const puzzle::Board* newBoard, const ImageSource& images) {
    board = newBoard;
    LoadLevels(images);
    // The marks and the line are placed on their row at every draw.
    LoadPlaced(passedMark, Layout::Of(Image::PassedMark), images);
    LoadPlaced(notPassedMark, Layout::Of(Image::NotPassedMark), images);
    LoadPlaced(prevListButton, Layout::Of(Image::LevelPrevButton), images);
    LoadPlaced(nextListButton, Layout::Of(Image::LevelNextButton), images);
    LoadPlaced(rowLine, Layout::Of(Image::RowLine), images);
    recordMarks.Load(images);
}

void LevelSelect::LoadLevels(const ImageSource& images) {
    for (int n = 1; n <= puzzle::kLevelCount; ++n) {
        widgets::Button& button = LevelButton(n);
        LoadPlaced(button, Layout::LevelButton(n), images);
        button.SetVisible(0);
    }
    for (int n = 1; n <= puzzle::kLevelCount; ++n) {
        scene::Picture& name = LevelName(n);
        LoadPlaced(name, Layout::LevelName(n), images);
        name.SetVisible(0);
    }
    ShowPage(1);
}

void LevelSelect::ShelveHiddenPages() {
    for (int n = 1; n <= puzzle::kLevelCount; ++n) {
        if (n < FirstLevel() || n > LastLevel()) {
            LevelButton(n).Shelve(true);
            LevelName(n).Shelve(true);
        }
    }
}

void LevelSelect::ShowPage(int on) {
    for (int n = FirstLevel(); n <= LastLevel(); ++n) {
        for (scene::Picture* shown :
             {static_cast<scene::Picture*>(&LevelButton(n)), &LevelName(n)}) {
            shown->Shelve(on == 0);
            shown->SetVisible(on);
        }
    }
}

void LevelSelect::TurnPage(int delta) {
    ShowPage(0);
    page += delta;
    ShowPage(1);
}

void LevelSelect::Draw(gfx::Display& target) {
    scene::Element::Draw(target);
    if (board == nullptr) {
        return;
    }
    for (int n = FirstLevel(); n <= LastLevel(); ++n) {
        DrawRow(target, n);
    }
}

void LevelSelect::DrawRow(gfx::Display& target, int level) {
    const int row = RowOf(level);
    static const LevelRecord kNoRecord;
    const LevelRecord& record = records != nullptr ? records->Of(level) : kNoRecord;
    scene::Picture& mark = MarkOf(level, record);
    const ImagePlace& markPlace = Layout::Of(Image::PassedMark);
    mark.SetPosition(markPlace.x, markPlace.y + Layout::kListRowSpacing * row);
    mark.Draw(target);
    // The line runs from the name to the record, or to the mark when there is none.
    const ImagePlace& linePlace = Layout::Of(Image::RowLine);
    const int lineEnd = record.Cleared() ? recordMarks.TextLeft(record) - RecordMarks::kGap
                                         : linePlace.x + linePlace.width;
    rowLine.SetSize(std::max(lineEnd - linePlace.x, 1), linePlace.height);
    rowLine.SetPosition(linePlace.x, linePlace.y + Layout::kListRowSpacing * row);
    rowLine.Draw(target);
    recordMarks.Draw(target, record, row);
}

scene::Picture& LevelSelect::MarkOf(int level, const LevelRecord& record) {
    if (record.OnlyAssisted()) {
        return recordMarks.AssistedMark();
    }
    // Passed is what the progress file says: a player who removed it starts over, records or
    // not.
    return board->cleared[static_cast<std::size_t>(level)] != 0 ? passedMark : notPassedMark;
}

void LevelSelect::ReleaseSurfaces() {
    passedMark.ReleaseSurfaces();
    notPassedMark.ReleaseSurfaces();
    rowLine.ReleaseSurfaces();
    recordMarks.ReleaseSurfaces();
    scene::Element::ReleaseSurfaces();
}

bool LevelSelect::Handle(const core::Input& event) {
    if (board == nullptr) {
        return false;
    }
    // Page Up and Page Down turn the pages as the arrows do, as far as the arrows go.
    if (event.code == core::kKeyPageUpPressed && page > 1) {
        TurnPage(-1);
    } else if (event.code == core::kKeyPageDownPressed && page < LastPage()) {
        TurnPage(1);
    } else {
        core::RouteMouse(
            event, [this](int x, int y) { OnPress(x, y); },
            [this](int x, int y) { OnRelease(x, y); }, [this](int x, int y) { OnMove(x, y); });
    }
    return false;
}

void LevelSelect::OnPress(int x, int y) {
    for (int n = FirstLevel(); n <= LastLevel(); ++n) {
        // A level button takes the press silently.
        if (LevelButton(n).OnMouseDown(x, y)) {
            return;
        }
    }
    if (prevListButton.OnMouseDown(x, y) || nextListButton.OnMouseDown(x, y)) {
        Report(onClick);
    }
}

void LevelSelect::OnRelease(int x, int y) {
    for (int n = FirstLevel(); n <= LastLevel(); ++n) {
        if (LevelButton(n).OnMouseUp(x, y)) {
            Report(onLevelChosen, n);
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
