#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/InputReceiver.h"
#include "core/Input.h"
#include "game/Layout.h"
#include "game/PlacedImage.h"
#include "game/screens/RecordMarks.h"
#include "scene/Element.h"
#include "scene/Picture.h"
#include "widgets/Button.h"

namespace puzzle {
class Board;
}

namespace game {

// The column beside the board through which any level is chosen: pages of five level buttons,
// and below them a list of the same five levels' names, each with a line and a mark that tells
// whether the level has been cleared, and, when records are shown, the player's best steps
// against the fewest possible. Two arrows, or Page Up and Page Down, turn the pages.
class LevelSelect : public scene::Element, public app::InputReceiver {
public:
    static constexpr int kLevelsPerPage = Layout::kLevelsPerPage;

    LevelSelect();
    ~LevelSelect() override;

    // Keeps the board, which it reads the last page and the cleared levels from, and loads
    // every image from the game folder; the page stays where it was.
    void BuildLevelSelect(const puzzle::Board* board, const ImageSource& images);
    // Shows the player's records, which must outlive the list, from the next frame; null shows
    // none.
    void ShowRecords(const PersonalRecords* shown) { records = shown; }
    // A level button was clicked: the level, 1..kLevelCount. The list loads nothing itself.
    std::function<void(int)> onLevelChosen;
    // A page button took a press.
    std::function<void()> onClick;

    // The children, then a mark and a line for each listed level, read from the cleared table
    // on every frame.
    void Draw(gfx::Display& target) override;
    // The marks and the line are outside the tree; they let go of their surfaces with it.
    void ReleaseSurfaces() override;
    // Mouse events and the Page Up and Page Down keys; nothing before BuildLevelSelect.
    // Consumes nothing.
    bool Handle(const core::Input& event) override;
    bool Shown() const override { return ShownInTree(); }

    // Only one page shows at a time: the buttons and names of the others keep their pixels
    // compact until their page is turned to.
    void ShelveHiddenPages();
    int Page() const { return page; }
    // The last page: one more than maxLevel / 5, but never past the page of the last level.
    int LastPage() const;

    // n is 1..kLevelCount.
    widgets::Button& LevelButton(int n) { return levelButtons[Index(n)]; }
    scene::Picture& LevelName(int n) { return levelNames[Index(n)]; }
    widgets::Button& PrevListButton() { return prevListButton; }
    widgets::Button& NextListButton() { return nextListButton; }
    scene::Element& ListBox() { return listBox; }
    // Stamped beside each listed level at every draw; outside the tree.
    const scene::Picture& PassedMark() const { return passedMark; }
    const scene::Picture& NotPassedMark() const { return notPassedMark; }
    const scene::Picture& RowLine() const { return rowLine; }
    const RecordMarks& Records() const { return recordMarks; }

private:
    static std::size_t Index(int level);
    int FirstLevel() const;
    int LastLevel() const;
    // Shows or hides the buttons and names of the current page.
    void ShowPage(int on);
    void TurnPage(int delta);
    void OnPress(int x, int y);
    void OnRelease(int x, int y);
    void OnMove(int x, int y);
    void LoadLevels(const ImageSource& images);
    void DrawRow(gfx::Display& target, int level);
    // The passed, assisted or not-passed mark of a level.
    scene::Picture& MarkOf(int level, const LevelRecord& record);

    const puzzle::Board* board = nullptr;
    int page = 1;
    widgets::Button prevListButton;
    widgets::Button nextListButton;
    scene::Element listBox;
    std::vector<widgets::Button> levelButtons;
    std::vector<scene::Picture> levelNames;
    scene::Picture passedMark;
    scene::Picture notPassedMark;
    scene::Picture rowLine;
    RecordMarks recordMarks;
    const PersonalRecords* records = nullptr;
};

} // namespace game
