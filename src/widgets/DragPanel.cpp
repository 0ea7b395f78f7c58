#include "widgets/DragPanel.h"

#include <algorithm>

namespace widgets {

namespace {

struct Point {
    int x;
    int y;
};

// Whether the point lies strictly inside the element's visible part: its first column and row
// and the edge past its last do not count.
bool StrictlyInside(const scene::Element& element, Point point) {
    const platform::Rect& visiblePart = element.sourceRect;
    return element.screenX < point.x && point.x < element.screenX + visiblePart.Width() &&
           element.screenY < point.y && point.y < element.screenY + visiblePart.Height();
}

// The parent's back-buffer origin, against which the panel's own x and y count. A root panel's
// position is already in back-buffer coordinates.
Point ParentOrigin(const scene::Element& panel) {
    const scene::Element* parent = panel.Parent();
    return parent != nullptr ? Point{parent->screenX, parent->screenY} : Point{0, 0};
}

} // namespace

DragPanel::DragPanel()
    : minX(-scene::kScreenWidth), minY(-scene::kScreenHeight), maxX(scene::kScreenWidth),
      maxY(scene::kScreenHeight) {}

DragPanel::~DragPanel() = default;

void DragPanel::SetDragBounds(int newMinX, int newMinY, int newMaxX, int newMaxY) {
    minX = newMinX;
    minY = newMinY;
    maxX = newMaxX;
    maxY = newMaxY;
}

int DragPanel::AddWidget(DragPanel* widget) {
    if (widget == nullptr) {
        return 0;
    }
    widgets.push_back(widget);
    AddChild(widget);
    return 1;
}

bool DragPanel::Handle(const core::Input& event) {
    // By index: a widget may register further widgets while it handles the event.
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        widgets[i]->Offer(event);
    }
    const Point point{static_cast<int>(event.x), static_cast<int>(event.y)};
    if (!StrictlyInside(*this, point)) {
        dragging = 0;
    } else if (event.code == core::kMouseLeftDown) {
        const auto& children = Children();
        const bool onChild =
            std::any_of(children.begin(), children.end(),
                        [point](scene::Element* child) { return StrictlyInside(*child, point); });
        // A press on a child belongs to the child and leaves the drag state alone.
        if (!onChild) {
            StartDrag(point.x, point.y);
        }
    } else if (event.code == core::kMouseMove && dragging == 1) {
        DragTo(point.x, point.y);
    }
    if (event.code == core::kMouseLeftUp) {
        dragging = 0;
    }
    return false;
}

void DragPanel::StartDrag(int pointX, int pointY) {
    const Point origin = ParentOrigin(*this);
    dragging = 1;
    grabX = pointX - origin.x - x;
    grabY = pointY - origin.y - y;
}

void DragPanel::DragTo(int pointX, int pointY) {
    const Point origin = ParentOrigin(*this);
    // Lower bound first, then upper: crossed bounds settle on the maximum.
    const int newX = std::min(std::max(pointX - origin.x - grabX, minX), maxX);
    const int newY = std::min(std::max(pointY - origin.y - grabY, minY), maxY);
    SetPosition(newX, newY);
}

} // namespace widgets
