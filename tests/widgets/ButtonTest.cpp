#include <gtest/gtest.h>

#include <vector>

#include "WidgetFixture.h"
#include "widgets/Button.h"

using namespace gfx;
using namespace scene;
using namespace widgets;

namespace {

// A button of 80 x 20 (a strip of five 80-pixel frames) at (100, 50) of a 200 x 80 back buffer.
class ButtonTest : public WidgetFixture {
protected:
    ButtonTest() : WidgetFixture(200, 80) {
        path = WriteStrip("button.bmp", 5, 80, 20);
        EXPECT_EQ(button.Load(*display, path, 100, 50, 400, 20), 1);
    }

    void ExpectShows(ButtonState state, int frame) {
        EXPECT_EQ(button.state, state);
        EXPECT_EQ(button.currentFrame, frame);
    }

    std::string path;
    Button button;
};

enum class Call { Down, Move, Up };

struct Step {
    Call call;
    int x;
    bool result;
    ButtonState state;
    int frame;
};

TEST_F(ButtonTest, HitTestIsStrictOnEverySideOfTheFullFrame) {
    struct Point {
        int x, y;
        bool hit;
    };
    const Point points[] = {{100, 60, false}, {101, 60, true}, {179, 60, true}, {180, 60, false},
                            {140, 50, false}, {140, 51, true}, {140, 69, true}, {140, 70, false}};
    // Also when the parent's clip hides all but 30 columns of the button.
    Element parent;
    parent.SetSize(130, 80);
    for (const bool clipped : {false, true}) {
        if (clipped) {
            parent.AddChild(&button);
            ASSERT_EQ(button.sourceRect.Width(), 30);
        }
        for (const Point& point : points) {
            EXPECT_EQ(button.OnMouseDown(point.x, point.y), point.hit)
                << point.x << ", " << point.y << (clipped ? " clipped" : "");
        }
    }
    parent.RemoveChild(&button);
}

TEST_F(ButtonTest, MouseSequencesFollowTheStateMachine) {
    using enum ButtonState;
    const std::vector<std::vector<Step>> sequences = {
        // Press outside, move in, release inside: a click.
        {{Call::Down, 50, false, Normal, 1},
         {Call::Move, 140, true, Hover, 2},
         {Call::Up, 140, true, Clicked, 1}},
        // Press inside, move out, move back in, release inside.
        {{Call::Down, 140, true, Pressed, 3},
         {Call::Move, 190, false, Normal, 1},
         {Call::Move, 140, true, Hover, 2},
         {Call::Up, 140, true, Clicked, 1}},
        // A press held inside stays pressed; a release outside cancels it.
        {{Call::Down, 140, true, Pressed, 3},
         {Call::Move, 150, true, Pressed, 3},
         {Call::Up, 190, false, Normal, 1}},
        // Clicked is left like Normal.
        {{Call::Up, 140, true, Clicked, 1},
         {Call::Move, 141, true, Hover, 2},
         {Call::Down, 141, true, Pressed, 3}},
    };
    for (std::size_t i = 0; i < sequences.size(); ++i) {
        button.Load(*display, path, 100, 50, 400, 20);
        for (const Step& step : sequences[i]) {
            const bool result = step.call == Call::Down   ? button.OnMouseDown(step.x, 60)
                                : step.call == Call::Move ? button.OnMouseMove(step.x, 60)
                                                          : button.OnMouseUp(step.x, 60);
            EXPECT_EQ(result, step.result) << "sequence " << i << " at x " << step.x;
            ExpectShows(step.state, step.frame);
        }
    }
}

TEST_F(ButtonTest, DisabledOrHiddenButtonsIgnoreTheMouse) {
    const auto expectIgnored = [this](const char* why) {
        EXPECT_FALSE(button.OnMouseDown(140, 60)) << why;
        EXPECT_FALSE(button.OnMouseMove(190, 60)) << why;
        EXPECT_FALSE(button.OnMouseUp(140, 60)) << why;
        ExpectShows(ButtonState::Hover, 4);
    };
    button.OnMouseMove(140, 60);
    button.SetEnabled(false);
    ExpectShows(ButtonState::Hover, 4);
    button.Load(*display, path, 100, 50, 400, 20);
    expectIgnored("disabled");
    button.SetEnabled(true);
    ExpectShows(ButtonState::Hover, 4);
    button.SetVisible(0);
    expectIgnored("hidden");
    button.SetVisible(1);
    EXPECT_TRUE(button.OnMouseMove(140, 60));
    ExpectShows(ButtonState::Hover, 2);
}

TEST_F(ButtonTest, EachStateDrawsItsFrame) {
    const std::pair<ButtonState, int> looks[] = {{ButtonState::Pressed, 3},
                                                 {ButtonState::Hover, 2}};
    button.OnMouseDown(140, 60);
    for (const auto& [state, frame] : looks) {
        ASSERT_EQ(button.state, state);
        display->ClearBackBuffer(0);
        button.Draw(*display);
        EXPECT_EQ(BackPixel(100, 50), FramePixel(frame));
        EXPECT_EQ(BackPixel(179, 69), FramePixel(frame));
        EXPECT_EQ(BackPixel(180, 69), 0);
        button.OnMouseUp(140, 60);
        button.OnMouseMove(140, 60);
    }
}

TEST_F(ButtonTest, LoadingNeedsASizeAndAReadableStrip) {
    const Button unloaded(*display, path, 0, 0, 0, 20);
    EXPECT_EQ(unloaded.currentFrame, 0);
    const Button made(*display, path, 10, 5, 400, 20);
    EXPECT_EQ(made.width, 80);
    EXPECT_EQ(made.currentFrame, 1);
    EXPECT_EQ(made.enabled, 1);

    button.OnMouseDown(140, 60);
    EXPECT_EQ(button.Load(*display, dir.File("missing.bmp"), 0, 0, 400, 20), 0);
    ExpectShows(ButtonState::Pressed, 3);
}

} // namespace
