#pragma once

#include <cstdint>
#include <vector>

#include "platform/Rect.h"

namespace gfx {
class Display;
}

namespace scene {

// The screen every scene is laid out on: a root element's clip stops at its edges.
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

// What a change reported to the root of the tree asks of the main loop.
enum class SceneChange {
    // The next frame shows something else: draw it.
    Changed,
    // Asked while drawing: drawn again, the element comes out different even if nothing changes
    // (a blinking caret, a frame that shows its background again), so the frame after this one
    // is drawn too.
    NextFrameWanted,
};

// A node of the scene tree: a position relative to its parent, a size, the clip that says where
// its visible part lands on the back buffer, visibility, a z key, alpha and z-ordered children.
// A plain element draws nothing; screens and groups are elements, and every drawable kind
// derives from one.
//
// The children list does not own: whoever created an element removes it from the tree before
// destroying it.
class Element {
public:
    Element();
    virtual ~Element();
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    // Stores the position, computes the clip again and places every child again against it.
    virtual void SetPosition(int x, int y);
    // Stores the size and computes the clip; a 0 in either argument changes nothing.
    virtual void SetSize(int width, int height);
    // Sets alpha on the whole subtree.
    virtual void SetAlpha(int alpha);
    // Stores the key and has the parent sort its children again.
    virtual void SetZOrder(std::uint32_t z);
    // Appends the child, places it against this element and sorts by z; null is ignored.
    virtual void AddChild(Element* child);
    // Draws the visible children into the display's back buffer in list order, so a higher z
    // comes out on top.
    virtual void Draw(gfx::Display& target);
    virtual void ReleaseSurfaces();
    virtual void SetVisible(bool shown);
    // Takes every occurrence of `child` out of the whole subtree; destroys nothing.
    virtual void RemoveChild(Element* child);

    const std::vector<Element*>& Children() const { return children; }
    Element* Parent() const { return parent; }
    // Whether the element and every one above it are visible: whether a draw of the root reaches
    // it. An overlay counts its frame as the element above it.
    bool ShownInTree() const;

    // Tells the root of the tree that the next frame differs. The setters above do it whenever
    // they change what is drawn; kinds that draw from state of their own (a text, a value) call
    // it when that state changes.
    void MarkChanged();
    // Called from Draw by an element that comes out different at every draw: the root draws the
    // frame after this one too.
    void WantNextFrame();
    // An element drawn by another without being its child (a frame's title-bar parts) reports its
    // changes through that owner; null for none. The parent, when there is one, comes first.
    void SetOwner(Element* newOwner) { owner = newOwner; }

    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int screenX = 0;
    int screenY = 0;
    int visible = 1;
    std::uint32_t z = 0;
    // The visible part in the element's own coordinates; right and bottom are exclusive.
    platform::Rect sourceRect;
    int limitWidth;
    int limitHeight;
    int alpha = 255;

protected:
    // Called on the root of the tree, the element with neither parent nor owner, for each change
    // reported below it. A root that draws nothing ignores them.
    virtual void OnSceneChange(SceneChange change);

    // Runs `change` and marks the scene changed when the element's placement, clip, visibility,
    // z or alpha came out different.
    template <typename Change>
    void Watched(Change&& change);

    // Calls `visit` on each child in list order. The walk survives children that change this
    // element's list while they are visited: it goes on after the child it just visited, or at
    // the place that child left when it was taken out.
    template <typename Visit>
    void ForEachChild(Visit&& visit);

private:
    // What a frame shows of the element itself, to tell whether a setter changed it.
    struct Appearance {
        int x, y, width, height, screenX, screenY, visible, alpha;
        std::uint32_t z;
        platform::Rect sourceRect;
        bool operator==(const Appearance&) const = default;
    };

    Appearance Look() const;
    // Stores the size and computes the clip against the parent, or the limit for a root.
    void Resize(int width, int height);
    void SortChildren();
    void ReportUp(SceneChange change);

    std::vector<Element*> children;
    Element* parent = nullptr;
    Element* owner = nullptr;
    // The elements whose parent link points here, in this list or already removed from it (a
    // removed element keeps its parent link); their links are cleared when this one dies.
    std::vector<Element*> dependents;
};

template <typename Change>
void Element::Watched(Change&& change) {
    const Appearance before = Look();
    change();
    if (Look() != before) {
        MarkChanged();
    }
}

template <typename Visit>
void Element::ForEachChild(Visit&& visit) {
    for (std::size_t i = 0; i < children.size(); ++i) {
        Element* const child = children[i];
        visit(*child);
        if (i < children.size() && children[i] == child) {
            continue;
        }
        std::size_t found = 0;
        while (found < children.size() && children[found] != child) {
            ++found;
        }
        // Taken out: the next entry moved into its place and is visited next.
        i = found < children.size() ? found : i - 1;
    }
}

} // namespace scene
