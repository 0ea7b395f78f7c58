#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ImageFiles.h"
#include "TempDir.h"
#include "gfx/DisplayFixture.h"
#include "gfx/ImageCache.h"
#include "widgets/DragPanel.h"

using namespace core;
using namespace gfx;
using namespace scene;
using namespace widgets;

namespace {

// A widget that records the events it gets and, for each, whether the panel it is registered
// with was dragging at that moment.
class RecordingWidget : public DragPanel {
public:
    explicit RecordingWidget(const DragPanel& panel) : panel(panel) {}
    bool Handle(const Input& event) override {
        codes.push_back(event.code);
        panelDragging.push_back(panel.dragging);
        return DragPanel::Handle(event);
    }
    const DragPanel& panel;
    std::vector<std::uint32_t> codes;
    std::vector<int> panelDragging;
};

// A container at (50, 40) of 700 x 500 on an 800 x 600 back buffer, holding a 200 x 100 panel
// at (100, 100), so on screen the panel covers x 150..349 and y 140..239.
class DragPanelTest : public DisplayFixture {
protected:
    DragPanelTest() {
        container.SetSize(700, 500);
        container.SetPosition(50, 40);
        Load(panel, "panel.bmp", 100, 100, 200, 100);
        container.AddChild(&panel);
    }
    ~DragPanelTest() override { container.RemoveChild(&panel); }

    void Load(Picture& picture, const std::string& name, int x, int y, int width, int height) {
        if (!dir.Exists(name)) {
            dir.Write(name, EncodeBmp8(width, height,
                                       std::vector<std::uint32_t>(
                                           static_cast<std::size_t>(width) * height, 0x808080)));
        }
        ASSERT_EQ(picture.LoadImage(*display, dir.File(name), x, y, width, height, 1), 1);
    }

    // Offered as the application offers it: a hidden panel is passed by.
    static void Send(DragPanel& target, std::uint32_t code, int x, int y) {
        target.Offer({code, static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)});
    }

    TempDir dir;
    Element container;
    DragPanel panel;
};

struct ClampCase {
    int minX, minY, maxX, maxY;
    int pointX, pointY;
    int expectX, expectY;
};

class DragPanelClampTest : public DragPanelTest, public ::testing::WithParamInterface<ClampCase> {};

TEST_P(DragPanelClampTest, DragFollowsThePointerWithinItsBounds) {
    const ClampCase& c = GetParam();
    panel.SetDragBounds(c.minX, c.minY, c.maxX, c.maxY);
    EXPECT_EQ(panel.x, 100) << "bounds take effect at the next drag step";
    Send(panel, kMouseLeftDown, 160, 150); // grabbed 10 pixels into the panel
    ASSERT_EQ(panel.dragging, 1);
    EXPECT_EQ(panel.grabX, 10);
    EXPECT_EQ(panel.grabY, 10);
    Send(panel, kMouseMove, c.pointX, c.pointY);
    EXPECT_EQ(panel.x, c.expectX);
    EXPECT_EQ(panel.y, c.expectY);
    EXPECT_EQ(panel.screenX, 50 + c.expectX) << "placed against the container";
    EXPECT_EQ(panel.dragging, 1);
}

INSTANTIATE_TEST_SUITE_P(DragPanelBounds, DragPanelClampTest,
                         ::testing::Values(ClampCase{-800, -600, 800, 600, 300, 230, 240, 180},
                                           ClampCase{0, 0, 200, 150, 300, 230, 200, 150},
                                           ClampCase{100, 100, 400, 400, 155, 145, 100, 100},
                                           ClampCase{250, 190, 400, 400, 300, 230, 250, 190}));

TEST_F(DragPanelTest, KnobSlidesAlongItsTrackAndStopsAtItsEnd) {
    DragPanel knob;
    Load(knob, "knob.bmp", 100, 200, 20, 10);
    container.AddChild(&knob);
    knob.SetDragBounds(100, 200, 250, 200);
    int pointX = 50 + 100 + 5;
    Send(knob, kMouseLeftDown, pointX, 245);
    ASSERT_EQ(knob.dragging, 1);
    // Small steps keep the pointer on the knob; the last ones push past the track's end.
    while (knob.dragging == 1) {
        pointX += 10;
        Send(knob, kMouseMove, pointX, 248);
        EXPECT_EQ(knob.y, 200);
        EXPECT_LE(knob.x, 250);
    }
    EXPECT_EQ(knob.x, 250);
    EXPECT_EQ(pointX, 325) << "the drag ended once the pointer left the stopped knob";
    container.RemoveChild(&knob);
}

struct EdgeCase {
    int panelX;
    int pressX, pressY;
    bool drags;
};

class DragPanelEdgeTest : public DragPanelTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(DragPanelEdgeTest, OnlyAPressStrictlyInsideTheVisiblePartStartsADrag) {
    const EdgeCase& c = GetParam();
    panel.SetPosition(c.panelX, 100);
    Send(panel, kMouseLeftDown, c.pressX, c.pressY);
    EXPECT_EQ(panel.dragging, c.drags ? 1 : 0);
}

// The panel at x 100 covers screen x 150..349, y 140..239. At x 600 the container's visible
// width of 700 cuts it after 100 columns: its visible part covers screen x 650..749.
INSTANTIATE_TEST_SUITE_P(
    DragPanelEdges, DragPanelEdgeTest,
    ::testing::Values(EdgeCase{100, 150, 190, false}, EdgeCase{100, 151, 190, true},
                      EdgeCase{100, 349, 190, true}, EdgeCase{100, 350, 190, false},
                      EdgeCase{100, 200, 140, false}, EdgeCase{100, 200, 141, true},
                      EdgeCase{100, 200, 239, true}, EdgeCase{100, 200, 240, false},
                      EdgeCase{600, 748, 190, true}, EdgeCase{600, 749, 190, true},
                      EdgeCase{600, 750, 190, false}, EdgeCase{600, 790, 190, false}));

TEST_F(DragPanelTest, APressOnAChildBelongsToTheChild) {
    Picture button;
    Load(button, "button.bmp", 20, 20, 30, 20); // screen x 170..199, y 160..179
    panel.AddChild(&button);

    Send(panel, kMouseLeftDown, 171, 161);
    EXPECT_EQ(panel.dragging, 0) << "on the button";
    Send(panel, kMouseLeftDown, 170, 161);
    EXPECT_EQ(panel.dragging, 1) << "the button's first column is beside it";

    // A press on the child while dragging leaves the drag as it was.
    Send(panel, kMouseLeftDown, 180, 170);
    EXPECT_EQ(panel.dragging, 1);
    EXPECT_EQ(panel.grabX, 20) << "the grab point is still the first press's";
    panel.RemoveChild(&button);
}

TEST_F(DragPanelTest, RegisteredWidgetsGetEveryEventFirst) {
    RecordingWidget knob(panel);
    Load(knob, "knob.bmp", 10, 10, 20, 10); // screen x 160..179, y 150..159
    EXPECT_EQ(panel.AddWidget(nullptr), 0);
    EXPECT_EQ(panel.AddWidget(&knob), 1);
    EXPECT_EQ(panel.Children(), (std::vector<Element*>{&knob}));
    EXPECT_EQ(knob.screenX, 160) << "placed as the panel's child";

    Send(panel, kMouseLeftDown, 200, 200); // free background
    Send(panel, kMouseMove, 5, 5);         // outside
    Send(panel, kKeyEnterPressed, 200, 200);
    Send(panel, kMouseRightDown, 700, 500);
    EXPECT_EQ(knob.codes, (std::vector<std::uint32_t>{kMouseLeftDown, kMouseMove, kKeyEnterPressed,
                                                      kMouseRightDown}));
    EXPECT_EQ(knob.panelDragging, (std::vector<int>{0, 1, 0, 0}))
        << "the widget sees each event before the panel acts on it";

    // A press on the registered knob drags the knob, not the panel.
    Send(panel, kMouseLeftDown, 165, 155);
    EXPECT_EQ(knob.dragging, 1);
    EXPECT_EQ(panel.dragging, 0);
    Send(panel, kMouseMove, 170, 155);
    EXPECT_EQ(knob.x, 15);
    EXPECT_EQ(panel.x, 100);

    panel.SetVisible(0);
    Send(panel, kMouseLeftUp, 170, 155);
    EXPECT_EQ(knob.codes.size(), 6u) << "a hidden panel forwards nothing";
    EXPECT_EQ(knob.dragging, 1);
    panel.RemoveChild(&knob);
}

TEST_F(DragPanelTest, HiddenPanelNeitherStartsNorFollowsADrag) {
    Send(panel, kMouseLeftDown, 200, 200);
    panel.SetVisible(0);
    Send(panel, kMouseMove, 210, 210);
    EXPECT_EQ(panel.x, 100);
    Send(panel, kMouseLeftUp, 210, 210);
    EXPECT_EQ(panel.dragging, 1) << "not even a release reaches a hidden panel";
    panel.dragging = 0;
    Send(panel, kMouseLeftDown, 200, 200);
    EXPECT_EQ(panel.dragging, 0);
}

struct EndCase {
    std::uint32_t code;
    int x, y;
    int dragging;
    int panelX; // where the panel stands afterwards
};

class DragPanelEndTest : public DragPanelTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(DragPanelEndTest, DragEndsOnAnyReleaseAndAnyPointOutside) {
    const EndCase& c = GetParam();
    Send(panel, kMouseLeftDown, 200, 200);
    Send(panel, kMouseMove, 210, 200); // the panel follows to x 110
    ASSERT_EQ(panel.x, 110);
    Send(panel, c.code, c.x, c.y);
    EXPECT_EQ(panel.dragging, c.dragging);
    EXPECT_EQ(panel.x, c.panelX);
}

// The panel at x 110 covers screen x 160..359. A position left of the window arrives as a large
// unsigned number.
INSTANTIATE_TEST_SUITE_P(DragPanelEvents, DragPanelEndTest,
                         ::testing::Values(EndCase{kMouseLeftUp, 220, 200, 0, 110},
                                           EndCase{kMouseLeftUp, 5, 5, 0, 110},
                                           EndCase{kMouseMove, 400, 200, 0, 110},
                                           EndCase{kMouseMove, 65531, 200, 0, 110},
                                           EndCase{kMouseRightDown, 700, 200, 0, 110},
                                           EndCase{kMouseRightUp, 220, 200, 1, 110},
                                           EndCase{kMouseMove, 230, 200, 1, 130}));

TEST_F(DragPanelTest, PanelWithoutParentDragsInBackBufferCoordinates) {
    container.RemoveChild(&panel);
    DragPanel root;
    Load(root, "panel.bmp", 100, 100, 200, 100);
    Send(root, kMouseLeftDown, 110, 105);
    ASSERT_EQ(root.dragging, 1);
    EXPECT_EQ(root.grabX, 10);
    EXPECT_EQ(root.grabY, 5);
    Send(root, kMouseMove, 130, 125);
    EXPECT_EQ(root.x, 120);
    EXPECT_EQ(root.y, 120);
    EXPECT_EQ(root.screenX, 120);
    container.AddChild(&panel);
}

} // namespace
