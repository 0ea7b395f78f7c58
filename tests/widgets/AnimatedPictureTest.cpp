#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "WidgetFixture.h"
#include "app/AppSettings.h"
#include "app/Application.h"
#include "core/TimerRegistry.h"
#include "platform/memory/HeadlessPlatform.h"
#include "widgets/AnimatedPicture.h"

using namespace core;
using namespace gfx;
using namespace scene;
using namespace app;
using namespace widgets;

namespace {

// An application that notes every named timed event.
class TimerApplication : public Application {
public:
    using Application::Application;

    void OnDisplayReady() override {}
    void OnTimerEvent(std::string name) override { timerEvents.push_back(name); }
    void OnDeactivate() override {}

    std::vector<std::string> timerEvents;
};

constexpr int kPeriod = 100;

// A four-frame strip of 2 x 2 frames, shown at (3, 4) of a 20 x 10 back buffer.
class AnimatedPictureTest : public WidgetFixture {
protected:
    AnimatedPictureTest() : WidgetFixture(20, 10) { path = WriteStrip("logo.bmp", 4, 2, 2); }

    void Load(AnimatedPicture& target, int startFrame, int repeatCount) {
        const AnimationSpec timing{"logo", 4, static_cast<std::uint16_t>(startFrame), kPeriod,
                                   repeatCount};
        ASSERT_EQ(target.Load(*display, path, 3, 4, 8, 2, timing), 1);
    }
    // Gives the headless application its timer registry.
    void StartApplication() {
        ASSERT_EQ(app.Init("", 800, 600, platform.ExecutablePath(), "1", "227", "tpz.bmp",
                           "Software\\qelvo\\InstalledGame\\227", "Tovak Marudo", 108, 102),
                  Application::InitResult::Run);
    }
    // Moves the timers on and delivers their firings.
    void Tick(int ms = kPeriod) {
        platform.timers.Advance(static_cast<std::uint32_t>(ms));
        app.DispatchMessages();
    }
    bool Registered() { return app.NamedTimers()->IsRegistered("logo"); }
    // The pixel the picture shows at its top-left corner, 0 when nothing is drawn.
    std::uint16_t Shown() {
        display->ClearBackBuffer(0);
        picture.Draw(*display);
        return BackPixel(3, 4);
    }

    std::string path;
    TempGameFolder game;
    const AppSettings settings{game.Folders().SettingsFile()};
    platform::HeadlessPlatform platform;
    // Without Init it has no timer registry: timers are neither set nor killed.
    TimerApplication app{platform, game.Folders(), settings};
    AnimatedPicture picture{app};
};

TEST_F(AnimatedPictureTest, FramesCycleUntilTheLastCycleHidesThePicture) {
    StartApplication();
    for (const int repeatCount : {2, 0}) {
        Load(picture, 1, repeatCount);
        EXPECT_EQ(picture.visible, 0) << "loading does not show it";
        picture.Start();
        EXPECT_EQ(Shown(), FramePixel(1));
        // 2, 3, 4, 1, 2, 3, 4, 1 and then, with two cycles, hidden and still.
        for (int tick = 1; tick <= 12; ++tick) {
            Tick();
            const bool over = repeatCount != 0 && tick >= 8;
            const int frame = over ? 1 : tick % 4 + 1;
            EXPECT_EQ(picture.currentFrame, frame) << repeatCount << " cycles, tick " << tick;
            EXPECT_EQ(Shown(), over ? 0 : FramePixel(frame)) << "tick " << tick;
        }
        EXPECT_EQ(picture.finished, repeatCount != 0 ? 1 : 0);
        EXPECT_EQ(Registered(), repeatCount == 0) << "a finite timer runs out";
        picture.Reset();
    }
}

TEST_F(AnimatedPictureTest, OnlyItsOwnTimerAdvancesItAndItsFiringsAreItsAlone) {
    AnimationSpec timing{"logo", 4, 1, kPeriod, 0};
    EXPECT_EQ(picture.Load(*display, path, 3, 4, 0, 2, timing), 0);
    timing.frameCount = 0;
    EXPECT_EQ(picture.Load(*display, path, 3, 4, 8, 2, timing), 0);
    EXPECT_EQ(picture.animation.eventName, "") << "nothing taken from a refused load";

    StartApplication();
    Load(picture, 1, 0);
    ASSERT_TRUE(app.AddTimer(kPeriod / 2, "other", 0));
    picture.Start();
    Tick();
    EXPECT_EQ(picture.currentFrame, 2) << "one step for its own firing, none for the others'";
    EXPECT_EQ(app.timerEvents, (std::vector<std::string>{"other", "other"}))
        << "the picture's firing is no named event";
}

TEST_F(AnimatedPictureTest, StartBeginsAgainFromTheRestFrameWithNoCyclesCounted) {
    StartApplication();
    Load(picture, 2, 2);
    picture.Start();
    EXPECT_EQ(picture.currentFrame, 2);
    Tick(3 * kPeriod); // 3, 4, 1: one cycle done
    EXPECT_EQ(picture.animation.cycles, 1);

    picture.Start();
    EXPECT_EQ(picture.currentFrame, 2);
    EXPECT_EQ(picture.animation.cycles, 0);
    Tick(6 * kPeriod); // 3, 4, 1, 2, 3, 4
    EXPECT_EQ(picture.visible, 1);
    Tick();
    EXPECT_EQ(picture.visible, 0) << "the second arrival at frame 1 since the restart";
    EXPECT_TRUE(Registered()) << "one firing of the eight is left to run out";
    Tick();
    EXPECT_FALSE(Registered());
    EXPECT_EQ(picture.currentFrame, 1);
}

TEST_F(AnimatedPictureTest, ResetStopsTheTimerAndGoesBackToTheRestFrame) {
    StartApplication();
    Load(picture, 3, 1);
    picture.Start();
    Tick(2 * kPeriod); // 4, 1: finished
    ASSERT_EQ(picture.finished, 1);
    picture.Reset();
    EXPECT_FALSE(Registered());
    EXPECT_EQ(picture.currentFrame, 3);
    EXPECT_EQ(picture.animation.animFrame, 3);
    EXPECT_EQ(picture.finished, 0);
    EXPECT_EQ(picture.visible, 0) << "Reset does not show the picture";
    picture.Advance();
    EXPECT_EQ(picture.currentFrame, 4) << "ready to run again";
}

TEST_F(AnimatedPictureTest, SetPeriodRegistersOneFiringPerFrameOfEveryCycle) {
    StartApplication();
    Load(picture, 1, 1);
    picture.SetPeriod(0);
    EXPECT_FALSE(Registered());
    picture.SetPeriod(50);
    EXPECT_EQ(picture.animation.period, 50);
    Tick(3 * 50);
    EXPECT_TRUE(Registered());
    EXPECT_EQ(picture.currentFrame, 4);
    Tick(50);
    EXPECT_FALSE(Registered());
}

TEST_F(AnimatedPictureTest, PausedItWakesNothingAndResumesWithTheFiringsItHadLeft) {
    StartApplication();
    Load(picture, 1, 1);
    picture.Start();
    Tick();
    picture.SetRunning(false);
    EXPECT_FALSE(Registered());
    Tick(5 * kPeriod);
    EXPECT_EQ(picture.currentFrame, 2) << "the frame shown stays";
    picture.SetRunning(true);
    Tick(2 * kPeriod);
    EXPECT_EQ(picture.currentFrame, 4);
    EXPECT_TRUE(Registered());
    Tick();
    EXPECT_EQ(picture.finished, 1) << "the cycle ends after the four firings in all";
    EXPECT_FALSE(Registered());
}

TEST_F(AnimatedPictureTest, DestructorKillsItsTimer) {
    StartApplication();
    {
        AnimatedPicture other(app);
        Load(other, 1, 0);
        other.Start();
        EXPECT_TRUE(Registered());
    }
    EXPECT_FALSE(Registered());
}

} // namespace
