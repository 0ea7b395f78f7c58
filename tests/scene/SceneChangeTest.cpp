#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "scene/Element.h"

using namespace scene;

namespace {

// A root that keeps every change reported to it.
class Root : public Element {
public:
    std::vector<SceneChange> changes;
    int Count() const { return static_cast<int>(changes.size()); }

protected:
    void OnSceneChange(SceneChange change) override { changes.push_back(change); }
};

// A root with a child that has a child, all placed and sized; the setting up is not counted.
class SceneChangeTest : public ::testing::Test {
protected:
    SceneChangeTest() {
        root.SetSize(800, 600);
        middle.SetSize(200, 100);
        leaf.SetSize(50, 20);
        root.AddChild(&middle);
        middle.AddChild(&leaf);
        root.changes.clear();
    }

    Root root;
    Element middle;
    Element leaf;
};

TEST_F(SceneChangeTest, SettersReportOnlyWhatChangesTheDrawing) {
    leaf.SetPosition(leaf.x, leaf.y);
    leaf.SetSize(leaf.width, leaf.height);
    leaf.SetSize(0, 40);
    leaf.SetVisible(leaf.visible);
    leaf.SetAlpha(leaf.alpha);
    leaf.SetZOrder(leaf.z);
    EXPECT_EQ(root.Count(), 0) << "setting what is already there changes nothing";

    leaf.SetPosition(5, 6);
    EXPECT_GE(root.Count(), 1) << "moved";
    for (const auto& change : {std::function<void()>([&] { leaf.SetSize(60, 20); }),
                               std::function<void()>([&] { leaf.SetVisible(0); }),
                               std::function<void()>([&] { leaf.SetAlpha(128); }),
                               std::function<void()>([&] { leaf.SetZOrder(3); })}) {
        root.changes.clear();
        change();
        EXPECT_GE(root.Count(), 1);
    }
    for (const SceneChange change : root.changes) {
        EXPECT_EQ(change, SceneChange::Changed);
    }
}

TEST_F(SceneChangeTest, MovingAParentReportsThroughTheWholeChain) {
    middle.SetPosition(30, 40);
    EXPECT_GE(root.Count(), 1);
    root.changes.clear();
    root.SetAlpha(100);
    EXPECT_GE(root.Count(), 1) << "alpha reaches the subtree, and the root itself changed";
}

TEST_F(SceneChangeTest, AddingAndRemovingChildrenReport) {
    Element other;
    other.SetSize(10, 10);
    leaf.AddChild(&other);
    EXPECT_EQ(root.Count(), 1);
    root.changes.clear();
    root.RemoveChild(&other);
    EXPECT_EQ(root.Count(), 1) << "taken out two levels down";
    root.changes.clear();
    root.RemoveChild(&other);
    EXPECT_EQ(root.Count(), 0) << "nothing left to take out";
}

TEST_F(SceneChangeTest, AnOwnedPartReportsThroughItsOwner) {
    Element part;
    part.SetSize(10, 10);
    part.SetPosition(1, 1);
    EXPECT_EQ(root.Count(), 0) << "a part of no one reports to itself";
    part.SetOwner(&middle);
    part.SetPosition(2, 2);
    const int reported = root.Count();
    EXPECT_GE(reported, 1);
    part.SetOwner(nullptr);
    part.SetPosition(3, 3);
    EXPECT_EQ(root.Count(), reported);
}

TEST_F(SceneChangeTest, ExplicitMarksAndWishesReachTheRoot) {
    leaf.MarkChanged();
    leaf.WantNextFrame();
    EXPECT_EQ(root.changes,
              (std::vector<SceneChange>{SceneChange::Changed, SceneChange::NextFrameWanted}));
}

TEST_F(SceneChangeTest, AChildOutlivingItsParentNoLongerReportsThroughIt) {
    Element orphan;
    {
        Element parent;
        parent.SetSize(10, 10);
        middle.AddChild(&parent);
        parent.AddChild(&orphan);
        middle.RemoveChild(&parent);
        root.changes.clear();
    }
    EXPECT_EQ(orphan.Parent(), nullptr);
    orphan.SetPosition(4, 4);
    orphan.MarkChanged();
    EXPECT_EQ(root.Count(), 0);
}

} // namespace
