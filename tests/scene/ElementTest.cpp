#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gfx/Display.h"
#include "platform/memory/MemoryPresenter.h"
#include "scene/Element.h"

using namespace scene;

namespace {

// Draws the tree into a display that is never set up: a plain element draws nothing itself.
void DrawTree(Element& root) {
    platform::MemoryPresenter presenter;
    gfx::Display display(presenter);
    root.Draw(display);
}

// An element that notes its name in a shared log when it is drawn or released, and can run an
// action from inside those walks.
class Probe : public Element {
public:
    Probe(std::string name, std::vector<std::string>& log) : name(std::move(name)), log(log) {}

    void Draw(gfx::Display& target) override {
        log.push_back(name);
        if (onDraw) {
            onDraw();
        }
        Element::Draw(target);
    }
    void ReleaseSurfaces() override {
        log.push_back("release " + name);
        if (onRelease) {
            onRelease();
        }
        Element::ReleaseSurfaces();
    }

    std::string name;
    std::vector<std::string>& log;
    std::function<void()> onDraw;
    std::function<void()> onRelease;
};

// A parent placed at (x, y) with the given size, as a root.
void Place(Element& element, int x, int y, int width, int height) {
    element.x = x;
    element.y = y;
    element.SetSize(width, height);
}

TEST(ElementTest, ChildIsClippedAgainstItsParent) {
    struct Case {
        int childX;
        int childWidth;
        int expectScreenX;
        int expectLeft;
        int expectVisibleWidth;
        const char* what;
    };
    // Parent at screen x 50 with a visible width of 100.
    const Case cases[] = {
        {-10, 50, 50, 10, 40, "left part cut at the parent's edge"},
        {120, 50, 150, 0, 0, "starts right of the parent: nothing visible"},
        {80, 50, 130, 0, 20, "right part cut at the parent's visible width"},
        {10, 50, 60, 0, 50, "wholly inside"},
        {100, 50, 150, 0, 0, "starts exactly at the parent's right edge"},
    };
    for (const Case& c : cases) {
        Element parent;
        Place(parent, 50, 0, 100, 100);
        Element child;
        child.x = c.childX;
        parent.AddChild(&child);
        child.SetSize(c.childWidth, 10);
        EXPECT_EQ(child.screenX, c.expectScreenX) << c.what;
        EXPECT_EQ(child.sourceRect.left, c.expectLeft) << c.what;
        EXPECT_EQ(child.sourceRect.Width(), c.expectVisibleWidth) << c.what;
    }
}

TEST(ElementTest, VerticalAxisIsClippedTheSameWay) {
    Element parent;
    Place(parent, 0, 40, 100, 100);
    Element child;
    child.y = -15;
    parent.AddChild(&child);
    child.SetSize(10, 60);
    EXPECT_EQ(child.screenY, 40);
    EXPECT_EQ(child.sourceRect.top, 15);
    EXPECT_EQ(child.sourceRect.Height(), 45);
    // A plain element keeps no image origin: each placement moves it on from where it was.
    child.SetPosition(0, -15);
    EXPECT_EQ(child.sourceRect.top, 30);
    EXPECT_EQ(child.sourceRect.Height(), 45);
    child.sourceRect.top = 0;
    child.SetPosition(0, 70);
    EXPECT_EQ(child.screenY, 110);
    EXPECT_EQ(child.sourceRect.Height(), 30);
}

TEST(ElementTest, ChildOfAParentLeftOfTheScreenStartsAtTheScreenEdge) {
    Element parent;
    Place(parent, -30, 0, 200, 50);
    EXPECT_EQ(parent.screenX, 0);
    EXPECT_EQ(parent.sourceRect.left, 30);
    Element child;
    child.x = 10;
    parent.AddChild(&child);
    child.SetSize(40, 10);
    EXPECT_EQ(child.screenX, 0);
    EXPECT_EQ(child.sourceRect.left, 20);
    Element further;
    further.x = 50;
    parent.AddChild(&further);
    further.SetSize(40, 10);
    EXPECT_EQ(further.screenX, 20);
    EXPECT_EQ(further.sourceRect.left, 0);
}

TEST(ElementTest, RootIsClippedAgainstItsLimit) {
    Element root;
    Place(root, 700, 0, 200, 50);
    EXPECT_EQ(root.screenX, 700);
    EXPECT_EQ(root.sourceRect.Width(), 100);
    root.SetSize(0, 30);
    EXPECT_EQ(root.width, 200);
    EXPECT_EQ(root.height, 50);
    EXPECT_EQ(root.sourceRect, (platform::Rect{0, 0, 100, 50}));
    root.SetPosition(700, 0);
    EXPECT_EQ(root.sourceRect, (platform::Rect{0, 0, 100, 50}))
        << "placing again gives the same clip";
}

TEST(ElementTest, MovingAParentPlacesTheWholeSubtreeAgain) {
    Element root;
    Element middle;
    Element leaf;
    Place(root, 0, 0, 800, 600);
    middle.x = 10;
    middle.y = 20;
    middle.SetSize(300, 300);
    leaf.x = 5;
    leaf.y = 6;
    leaf.SetSize(10, 10);
    root.AddChild(&middle);
    middle.AddChild(&leaf);
    EXPECT_EQ(leaf.screenX, 15);
    EXPECT_EQ(leaf.screenY, 26);
    root.SetPosition(100, 200);
    EXPECT_EQ(middle.screenX, 110);
    EXPECT_EQ(leaf.screenX, 115);
    EXPECT_EQ(leaf.screenY, 226);
}

TEST(ElementTest, ChildrenDrawInZOrderAndEqualKeysInOrderOfAddition) {
    std::vector<std::string> log;
    Element root;
    Probe a("a", log), b("b", log), c("c", log);
    root.AddChild(&a);
    root.AddChild(&b);
    root.AddChild(&c);
    DrawTree(root);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c"}));

    log.clear();
    a.SetZOrder(100);
    DrawTree(root);
    EXPECT_EQ(log, (std::vector<std::string>{"b", "c", "a"}));

    log.clear();
    c.SetZOrder(0xFFFFFFFF); // compared unsigned: the largest key, not -1
    DrawTree(root);
    EXPECT_EQ(log, (std::vector<std::string>{"b", "a", "c"}));
}

TEST(ElementTest, LongListsKeepTheOrderOfAdditionForEqualKeys) {
    std::vector<std::string> log;
    std::vector<std::unique_ptr<Probe>> probes;
    std::vector<std::string> expected;
    Element root;
    for (int i = 0; i < 40; ++i) {
        probes.push_back(std::make_unique<Probe>(std::to_string(i), log));
        root.AddChild(probes.back().get());
        expected.push_back(std::to_string(i));
    }
    probes[5]->SetZOrder(1);
    expected.erase(expected.begin() + 5);
    expected.push_back("5");
    DrawTree(root);
    EXPECT_EQ(log, expected);
}

TEST(ElementTest, AlphaCoversTheWholeSubtree) {
    Element root, child, grandchild, other;
    root.AddChild(&child);
    child.AddChild(&grandchild);
    root.AddChild(&other);
    grandchild.alpha = 17;
    root.SetAlpha(128);
    EXPECT_EQ(root.alpha, 128);
    EXPECT_EQ(child.alpha, 128);
    EXPECT_EQ(grandchild.alpha, 128);
    EXPECT_EQ(other.alpha, 128);
    child.SetAlpha(255);
    EXPECT_EQ(grandchild.alpha, 255);
    EXPECT_EQ(other.alpha, 128);
}

TEST(ElementTest, RemoveChildTakesOutEveryOccurrenceInTheSubtree) {
    Element root, a, b, inner;
    root.AddChild(&a);
    root.AddChild(&b);
    root.AddChild(&b); // listed twice, adjacent
    root.AddChild(&inner);
    inner.AddChild(&b);
    root.RemoveChild(&b);
    EXPECT_EQ(root.Children(), (std::vector<Element*>{&a, &inner}));
    EXPECT_TRUE(inner.Children().empty());
    EXPECT_EQ(b.Parent(), &inner) << "the removed element keeps its parent link";

    root.RemoveChild(&inner); // the last entry
    EXPECT_EQ(root.Children(), (std::vector<Element*>{&a}));
    root.RemoveChild(&inner); // not there any more
    EXPECT_EQ(root.Children(), (std::vector<Element*>{&a}));
    root.AddChild(nullptr);
    EXPECT_EQ(root.Children().size(), 1u);
}

TEST(ElementTest, HiddenSubtreesAreNotDrawnButStillWalked) {
    std::vector<std::string> log;
    Element root;
    Probe shown("shown", log), hidden("hidden", log), underHidden("under", log);
    root.AddChild(&shown);
    root.AddChild(&hidden);
    hidden.AddChild(&underHidden);
    hidden.SetVisible(0);
    DrawTree(root);
    EXPECT_EQ(log, (std::vector<std::string>{"shown"}));
    EXPECT_TRUE(shown.ShownInTree());
    EXPECT_FALSE(hidden.ShownInTree());
    EXPECT_FALSE(underHidden.ShownInTree()) << "visible itself, under a hidden parent";

    log.clear();
    root.ReleaseSurfaces();
    EXPECT_EQ(log, (std::vector<std::string>{"release shown", "release hidden", "release under"}));
    root.SetAlpha(9);
    EXPECT_EQ(underHidden.alpha, 9);
    hidden.x = 30;
    root.SetPosition(5, 0);
    EXPECT_EQ(hidden.screenX, 0) << "never sized: its clip stays where it was";
}

TEST(ElementTest, WalksSurviveChildrenChangingTheList) {
    std::vector<std::string> log;
    Element root;
    Probe a("a", log), b("b", log), c("c", log), d("d", log);
    for (Probe* p : {&a, &b, &c, &d}) {
        root.AddChild(p);
    }
    // b takes itself out while drawn: c and d are still drawn, once each.
    b.onDraw = [&] { root.RemoveChild(&b); };
    DrawTree(root);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c", "d"}));

    // c takes out the sibling drawn before it, and adds b back at the end.
    log.clear();
    c.onRelease = [&] {
        root.RemoveChild(&a);
        root.AddChild(&b);
    };
    root.ReleaseSurfaces();
    EXPECT_EQ(log, (std::vector<std::string>{"release a", "release c", "release d", "release b"}));
    EXPECT_EQ(root.Children(), (std::vector<Element*>{&c, &d, &b}));
}

} // namespace
