#include "scene/Element.h"

#include <algorithm>

namespace scene {

namespace {

// One axis of the clip: the element's position and size against its parent's placement (or,
// for a root, against the limit), giving where on the back buffer the visible part starts and
// which part of the element's own area is visible.
struct Axis {
    int position;
    int size;
    int& screen;
    int& sourceStart;
    int& sourceEnd;
};

struct ParentAxis {
    int position;
    int screen;
    int visibleExtent;
};

void ClipAxis(const Axis& axis, const ParentAxis* parent, int limit) {
    axis.sourceEnd = axis.sourceStart + axis.size;
    if (parent == nullptr) {
        if (axis.position < 0) {
            axis.screen = 0;
            axis.sourceStart -= axis.position;
        } else {
            axis.screen = axis.position;
            if (axis.position + axis.size > limit) {
                axis.sourceEnd = axis.sourceStart + (limit - axis.position);
            }
        }
        return;
    }
    if (axis.position < 0) {
        axis.sourceStart -= axis.position;
        axis.screen = parent->screen;
    } else if (parent->position < 0) {
        const int start = parent->position + axis.position;
        if (start < 0) {
            axis.screen = 0;
            axis.sourceStart -= start;
        } else {
            axis.screen = start;
        }
    } else if (axis.position > parent->visibleExtent) {
        axis.screen = parent->screen + parent->visibleExtent;
        axis.sourceEnd = axis.sourceStart;
    } else {
        axis.screen = parent->screen + axis.position;
        if (axis.position + axis.size > parent->visibleExtent) {
            axis.sourceEnd = axis.sourceStart + (parent->visibleExtent - axis.position);
        }
    }
}

} // namespace

Element::Element() : limitWidth(kScreenWidth), limitHeight(kScreenHeight) {}

Element::~Element() {
    // Whichever of parent and child dies first unlinks itself, so neither keeps a pointer to a
    // dead element: a parent never walks a destroyed child, and a child that outlives its parent
    // (in its list or already removed from it) no longer reports changes through it.
    if (parent != nullptr) {
        std::erase(parent->children, this);
        std::erase(parent->dependents, this);
    }
    for (Element* dependent : dependents) {
        dependent->parent = nullptr;
    }
}

Element::Appearance Element::Look() const {
    return {x, y, width, height, screenX, screenY, visible, alpha, z, sourceRect};
}

void Element::MarkChanged() {
    ReportUp(SceneChange::Changed);
}

void Element::WantNextFrame() {
    ReportUp(SceneChange::NextFrameWanted);
}

void Element::ReportUp(SceneChange change) {
    Element* root = this;
    for (;;) {
        Element* const up = root->parent != nullptr ? root->parent : root->owner;
        if (up == nullptr) {
            break;
        }
        root = up;
    }
    root->OnSceneChange(change);
}

void Element::OnSceneChange(SceneChange) {}

void Element::SetPosition(int newX, int newY) {
    Watched([&] {
        x = newX;
        y = newY;
        SetSize(width, height);
    });
    ForEachChild([](Element& child) { child.SetPosition(child.x, child.y); });
}

void Element::SetSize(int newWidth, int newHeight) {
    if (newWidth == 0 || newHeight == 0) {
        return;
    }
    Watched([&] { Resize(newWidth, newHeight); });
}

void Element::Resize(int newWidth, int newHeight) {
    width = newWidth;
    height = newHeight;
    ParentAxis horizontal{};
    ParentAxis vertical{};
    if (parent != nullptr) {
        horizontal = {parent->x, parent->screenX, parent->sourceRect.Width()};
        vertical = {parent->y, parent->screenY, parent->sourceRect.Height()};
    }
    ClipAxis({x, width, screenX, sourceRect.left, sourceRect.right},
             parent != nullptr ? &horizontal : nullptr, limitWidth);
    ClipAxis({y, height, screenY, sourceRect.top, sourceRect.bottom},
             parent != nullptr ? &vertical : nullptr, limitHeight);
}

void Element::SetAlpha(int newAlpha) {
    Watched([&] { alpha = newAlpha; });
    ForEachChild([newAlpha](Element& child) { child.SetAlpha(newAlpha); });
}

void Element::SetZOrder(std::uint32_t newZ) {
    Watched([&] { z = newZ; });
    if (parent != nullptr) {
        parent->SortChildren();
    }
}

void Element::AddChild(Element* child) {
    if (child == nullptr) {
        return;
    }
    children.push_back(child);
    if (child->parent != this) {
        if (child->parent != nullptr) {
            std::erase(child->parent->dependents, child);
        }
        child->parent = this;
        dependents.push_back(child);
    }
    child->SetPosition(child->x, child->y);
    SortChildren();
    MarkChanged();
}

void Element::SortChildren() {
    // Stable: equal keys keep the order in which they were added, however long the list.
    std::stable_sort(children.begin(), children.end(),
                     [](const Element* a, const Element* b) { return a->z < b->z; });
}

void Element::Draw(gfx::Display& target) {
    ForEachChild([&target](Element& child) {
        if (child.visible != 0) {
            child.Draw(target);
        }
    });
}

void Element::ReleaseSurfaces() {
    ForEachChild([](Element& child) { child.ReleaseSurfaces(); });
}

bool Element::ShownInTree() const {
    for (const Element* element = this; element != nullptr; element = element->parent) {
        if (element->visible == 0) {
            return false;
        }
    }
    return true;
}

void Element::SetVisible(bool shown) {
    Watched([&] { visible = shown ? 1 : 0; });
}

void Element::RemoveChild(Element* child) {
    std::size_t i = 0;
    while (i < children.size()) {
        if (children[i] == child) {
            children.erase(children.begin() + static_cast<std::ptrdiff_t>(i));
            MarkChanged();
            continue;
        }
        children[i]->RemoveChild(child);
        ++i;
    }
}

} // namespace scene
