#pragma once

#include <cstddef>
#include <vector>

#include "app/InputReceiver.h"
#include "core/Input.h"
#include "scene/Picture.h"

namespace widgets {

// A picture the user drags with the left mouse button within a rectangle of allowed positions
// (relative to its parent): a dialog dragged by its free background, or, with minY equal to
// maxY, a slider knob. Registered widgets are offered every event before the panel acts on it,
// so a dialog passes events on to its knobs.
class DragPanel : public scene::Picture, public app::InputReceiver {
public:
    DragPanel();
    ~DragPanel() override;

    // Drags start on a left press inside the visible part that hits none of the children, follow
    // the pointer while it stays inside, and end on any left release or any point outside.
    // Consumes nothing.
    bool Handle(const core::Input& event) override;
    bool Shown() const override { return ShownInTree(); }
    // Takes effect at the next drag step.
    virtual void SetDragBounds(int minX, int minY, int maxX, int maxY);
    // Registers the widget and adds it as a child: 1, or 0 for a null widget. Not owned.
    virtual int AddWidget(DragPanel* widget);

    const std::vector<DragPanel*>& Widgets() const { return widgets; }

    int dragging = 0;
    int minX;
    int minY;
    int maxX;
    int maxY;
    int grabX = 0;
    int grabY = 0;

private:
    void StartDrag(int pointX, int pointY);
    void DragTo(int pointX, int pointY);

    std::vector<DragPanel*> widgets;
};

} // namespace widgets
