#pragma once

#include <vector>

#include "scene/Element.h"
#include "scene/Picture.h"
#include "widgets/Button.h"
#include "widgets/MouseReceiver.h"

class Board;
class BoardScreen;

// The column beside the board through which any level is chosen: pages of five level buttons,
// and below them a list of the same five levels' names, each with a line and a mark that tells
// whether the level has been cleared. Two arrows turn the pages.
class LevelSelect : public Element, public MouseReceiver {
public:
    static constexpr int kLevelsPerPage = 5;

    LevelSelect();
    ~LevelSelect() override;

    // Keeps both pointers and loads every image; the page stays where it was.
    void BuildLevelSelect(Board* board, BoardScreen* screen);

    // The children, then a mark and a line for each listed level, read from the cleared table
    // on every frame.
    void Draw() override;
    // The marks and the line are outside the tree; they let go of their surfaces with it.
    void ReleaseSurfaces() override;
    // Nothing before BuildLevelSelect or while hidden.
    void OnMouseEvent(MouseEvent* event) override;

    int Page() const { return page; }
    // The last page: one more than maxLevel / 5, but never past the page of the last level.
    int LastPage() const;

    // n is 1..kLevelCount.
    Button& LevelButton(int n) { return levelButtons[Index(n)]; }
    Picture& LevelName(int n) { return levelNames[Index(n)]; }
    Button& PrevListButton() { return prevListButton; }
    Button& NextListButton() { return nextListButton; }
    Element& ListBox() { return listBox; }

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
    void LoadLevels();
    void DrawRow(int level);

    Board* board = nullptr;
    BoardScreen* screen = nullptr;
    int page = 1;
    Button prevListButton;
    Button nextListButton;
    Element listBox;
    std::vector<Button> levelButtons;
    std::vector<Picture> levelNames;
    Picture passedMark;
    Picture notPassedMark;
    Picture rowLine;
};
