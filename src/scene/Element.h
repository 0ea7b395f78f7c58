#pragma once

#include <cstdint>
#include <vector>

#include "platform/HResult.h"
#include "platform/Rect.h"

namespace scene {

// The screen every scene is laid out on: a root element's clip stops at its edges.
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

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
    virtual HRESULT RestoreSurfaces();
    // Draws the visible children in list order, so a higher z comes out on top.
    virtual void Draw();
    virtual void ReleaseSurfaces();
    virtual void SetVisible(int visible);
    // Takes every occurrence of `child` out of the whole subtree; destroys nothing.
    virtual void RemoveChild(Element* child);

    const std::vector<Element*>& Children() const { return children; }
    Element* Parent() const { return parent; }

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
    // Calls `visit` on each child in list order. The walk survives children that change this
    // element's list while they are visited: it goes on after the child it just visited, or at
    // the place that child left when it was taken out.
    template <typename Visit>
    void ForEachChild(Visit&& visit);

private:
    void SortChildren();

    std::vector<Element*> children;
    Element* parent = nullptr;
};

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
