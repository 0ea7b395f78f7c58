#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <string>

#include "GameFixture.h"

using namespace core;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace game;

namespace gametest {
namespace {

namespace fs = std::filesystem;

// The game driven by its own loop, which draws only when something changed. After every step
// the frame the loop last showed must equal a full redraw of the same scene. The game's own
// images are used, so that the frames of a strip (a button's hover, the logo's steps) differ.
class RedrawTest : public GameFixture {
protected:
    void SetUp() override {
#ifndef TM_HAVE_GAME_IMAGES
        GTEST_SKIP() << "this build generates no game images (the sanitizer build)";
#endif
        const fs::path images = fs::path(TM_DIST_DIR) / "Graphic";
        std::error_code error;
        fs::copy(images, folder.File("Graphic"),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
        ASSERT_FALSE(error) << "no game images in " << images;
    }

    void Start() {
        ASSERT_NO_FATAL_FAILURE(Launch());
        Send(Event::Of(EventKind::Restored));
        ASSERT_NO_FATAL_FAILURE(Settle());
    }

    // Turns of the loop until no frame is due and no message waits; returns how many frames it
    // showed.
    int Settle() {
        const int before = Screen().recorder.presentCount;
        for (int turn = 0; turn < 50; ++turn) {
            if (!Game().FrameDue() && platform.Queue().Empty()) {
                return Screen().recorder.presentCount - before;
            }
            EXPECT_EQ(Game().RunTurn(), Application::Turn::Continue);
        }
        ADD_FAILURE() << "the loop never settled";
        return -1;
    }

    // Settles the loop, then compares its last frame with a full redraw; returns how many frames
    // the loop showed.
    int ExpectSameAsFullRedraw(const std::string& step) {
        const int shown = Settle();
        const FrameRecorder::Frame loopFrame = Screen().recorder.frame;
        EXPECT_EQ(Game().RenderFrame(), gfx::PresentResult::Ok) << step;
        const FrameRecorder::Frame& full = Screen().recorder.frame;
        EXPECT_EQ(loopFrame.size(), full.size()) << step;
        std::size_t differing = 0;
        for (std::size_t i = 0; i < std::min(loopFrame.size(), full.size()); ++i) {
            differing += loopFrame[i] != full[i] ? 1 : 0;
        }
        EXPECT_EQ(differing, 0u) << step << ": pixels the loop did not draw";
        return shown;
    }

    // The frame last shown differs from `earlier`.
    bool ChangedSince(const FrameRecorder::Frame& earlier) const {
        return Screen().recorder.frame != earlier;
    }
};

TEST_F(RedrawTest, EveryStepShowsWhatAFullRedrawShows) {
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(ExpectSameAsFullRedraw("the menu"), 0) << "nothing changed since the first frame";

    for (int tick = 0; tick < 4; ++tick) {
        const FrameRecorder::Frame before = Screen().recorder.frame;
        Advance(300);
        EXPECT_EQ(ExpectSameAsFullRedraw("logo step " + std::to_string(tick)), 1);
        EXPECT_TRUE(ChangedSince(before)) << "the logo moved on";
    }

    const Button& start = Game().Menu().startButton;
    const int startX = start.screenX + start.width / 2;
    const int startY = start.screenY + start.height / 2;
    FrameRecorder::Frame before = Screen().recorder.frame;
    MoveTo(startX, startY);
    EXPECT_EQ(ExpectSameAsFullRedraw("hover"), 1);
    EXPECT_TRUE(ChangedSince(before));
    MoveTo(startX + 1, startY);
    EXPECT_EQ(ExpectSameAsFullRedraw("still over the button"), 0);
    MoveTo(5, 300);
    EXPECT_EQ(ExpectSameAsFullRedraw("off the button"), 1);

    const Button& settings = Game().Menu().settingsButton;
    Press(settings.screenX + settings.width / 2, settings.screenY + settings.height / 2);
    EXPECT_EQ(ExpectSameAsFullRedraw("settings button pressed"), 1);
    before = Screen().recorder.frame;
    Release(settings.screenX + settings.width / 2, settings.screenY + settings.height / 2);
    ExpectSameAsFullRedraw("settings dialog open");
    EXPECT_TRUE(ChangedSince(before));
    const DragPanel& knob = Game().Menu().settingsDialog.SoundKnob();
    before = Screen().recorder.frame;
    Drag(knob.screenX + 12, knob.screenY + 12, knob.screenX + 40, knob.screenY + 12);
    ExpectSameAsFullRedraw("volume knob dragged");
    EXPECT_TRUE(ChangedSince(before));
    Click(Game().Menu().settingsDialog.OkButton());
    ExpectSameAsFullRedraw("settings dialog closed");

    ASSERT_NO_FATAL_FAILURE(StartFromMenu());
    ExpectSameAsFullRedraw("the board");
    for (int step = 0; step < 2; ++step) {
        before = Screen().recorder.frame;
        ASSERT_NO_FATAL_FAILURE(PlayShortestSolution(1));
        ExpectSameAsFullRedraw("pieces moved");
        EXPECT_TRUE(ChangedSince(before));
    }

    before = Screen().recorder.frame;
    Tap(platform::Key::Escape);
    ExpectSameAsFullRedraw("leave dialog over the dimmed board");
    EXPECT_TRUE(ChangedSince(before));
    Click(Game().Leave().noButton);
    EXPECT_EQ(ExpectSameAsFullRedraw("back to the board"), 1);
    EXPECT_TRUE(Screen().recorder.frame == before);
}

} // namespace
} // namespace gametest
