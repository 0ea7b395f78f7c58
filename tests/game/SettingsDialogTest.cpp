#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ImageFiles.h"
#include "QuietApplication.h"
#include "TempDir.h"
#include "audio/AudioOutput.h"
#include "audio/SoundManager.h"
#include "game/PlayerSettings.h"
#include "game/screens/SettingsDialog.h"
#include "gfx/DisplayFixture.h"
#include "gfx/ImageCache.h"
#include "platform/Settings.h"
#include "platform/memory/HeadlessPlatform.h"
#include "platform/memory/MemoryAudioBackend.h"

using namespace core;
using namespace gfx;
using namespace scene;
using namespace app;
using namespace widgets;
using namespace audio;
using namespace game;

namespace {

// A game folder with the dialog's images and a sound manager on players in memory. The dialog
// sits on an 800 x 600 menu, so its page starts at screen (223, 158).
class SettingsDialogTest : public DisplayFixture {
protected:
    SettingsDialogTest() {
        sound = std::make_unique<SoundManager>(output, Folder().Path());
        const struct {
            const char* name;
            int width, height;
        } images[] = {{"setting/m_set_node.bmp", 354, 284},
                      {"setting/ok.bmp", 31, 25},
                      {"setting/m_set_y.bmp", 500, 38},
                      {"setting/m_set_n.bmp", 500, 38},
                      {"UI/drag.bmp", 24, 24}};
        for (const auto& image : images) {
            const std::vector<std::uint32_t> pixels(image.width * image.height, 0x336699);
            Folder().Write(std::string("Graphic/") + image.name,
                           EncodeBmp8(image.width, image.height, pixels));
        }
        menu.SetSize(800, 600);
        menu.SetPosition(0, 0);
    }
    ~SettingsDialogTest() override {
        menu.RemoveChild(dialog.get());
        dialog.reset();
        sound.reset();
    }

    const TempDir& Folder() const { return game.Dir(); }
    VolumeMixer& Mixer() { return sound->Mixer(); }

    // Made once the test has written set.ini, as the constructor reads it.
    void Open(bool show = true) {
        dialog = std::make_unique<SettingsDialog>(settings, application);
        // As the game does: the reports reach the sound manager.
        dialog->onVolumes = [this](int effects, int music) {
            Mixer().SetEffectsLevel(effects);
            Mixer().SetMusicLevel(music);
        };
        dialog->onClick = [this] { sound->PlayClick(); };
        menu.AddChild(dialog.get());
        EXPECT_TRUE(dialog->Build(ImageSource{*display, game.Folders().Game()}));
        dialog->ShowSettings(show);
    }

    // Offered as the application offers it: a hidden dialog is passed by.
    void Send(std::uint32_t code, int x, int y) {
        dialog->Offer({code, static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)});
    }
    void Click(const Element& target) {
        const int x = target.screenX + target.width / 2;
        const int y = target.screenY + target.height / 2;
        Send(kMouseLeftDown, x, y);
        Send(kMouseLeftUp, x, y);
    }
    // Grabs the knob in its middle and drags in steps small enough to keep the pointer on it,
    // which a drag needs.
    void DragKnob(DragPanel& knob, int level) {
        int x = knob.screenX + 12;
        const int y = knob.screenY + 12;
        const int target = dialog->screenX + 95 + 14 * level + 12;
        Send(kMouseLeftDown, x, y);
        while (x != target) {
            x += std::clamp(target - x, -10, 10);
            Send(kMouseMove, x, y);
        }
        Send(kMouseLeftUp, x, y);
    }

    std::vector<platform::Event> PostedEvents() {
        std::vector<platform::Event> events;
        for (platform::Event event; platform.Queue().TryTake(event);) {
            events.push_back(event);
        }
        return events;
    }

    TempGameFolder game;
    const PlayerSettings settings{game.Folders().SettingsFile()};
    platform::HeadlessPlatform platform;
    QuietApplication application{platform, game.Folders(), settings};
    platform::MemoryAudioBackend backend;
    const AudioOutput output{&backend, nullptr};
    std::unique_ptr<SoundManager> sound;
    Element menu;
    std::unique_ptr<SettingsDialog> dialog;
};

TEST_F(SettingsDialogTest, MissingKeysGiveLevelOneAndNoTick) {
    Folder().Write("set.ini", "[board]\nmaxboard=5\n");
    Mixer().SetEffectsLevel(9);
    Mixer().SetMusicLevel(9);
    Open(false);
    EXPECT_EQ(dialog->visible, 0);
    EXPECT_EQ(Mixer().EffectsLevel(), 1);
    EXPECT_EQ(Mixer().MusicLevel(), 1);
    dialog->ShowSettings(true);
    EXPECT_EQ(dialog->visible, 1);
    EXPECT_EQ(dialog->FullscreenTick().visible, 0);
    EXPECT_EQ(dialog->SoundKnob().x, 109);
    EXPECT_EQ(dialog->MusicKnob().x, 109);
    EXPECT_EQ(dialog->MusicKnob().y, 180);
}

TEST_F(SettingsDialogTest, EveryLevelPutsItsKnobFourteenPixelsFurther) {
    Open();
    for (int level = 0; level <= 15; ++level) {
        SCOPED_TRACE(level);
        platform::Settings::WriteNumber(settings.Path(), "volume", "sound", level);
        platform::Settings::WriteNumber(settings.Path(), "volume", "music", 15 - level);
        dialog->ShowSettings(true);
        EXPECT_EQ(dialog->SoundKnob().x, 95 + 14 * level);
        EXPECT_EQ(dialog->MusicKnob().x, 95 + 14 * (15 - level));
        EXPECT_EQ(dialog->SoundKnobLevel(), level);
        EXPECT_EQ(dialog->MusicKnobLevel(), 15 - level);
    }
}

TEST_F(SettingsDialogTest, EveryEventWhileOpenSetsTheMixerFromTheKnobs) {
    Folder().Write("set.ini", "[volume]\nsound=4\nmusic=11\n");
    Open();
    Mixer().SetEffectsLevel(0);
    Mixer().SetMusicLevel(0);
    Send(kMouseRightDown, 1, 1); // outside the page, and a code the dialog does not handle
    EXPECT_EQ(Mixer().EffectsLevel(), 4);
    EXPECT_EQ(Mixer().MusicLevel(), 11);

    dialog->ShowSettings(false);
    Mixer().SetMusicLevel(2);
    Send(kMouseMove, 400, 300);
    EXPECT_EQ(Mixer().MusicLevel(), 2) << "a hidden dialog leaves the mixer alone";
}

TEST_F(SettingsDialogTest, CancelKeepsTheFileButLeavesTheDraggedVolume) {
    Folder().Write("set.ini", "[volume]\nsound=3\nmusic=6\n");
    const std::string before = Folder().Read("set.ini");
    Open();
    DragKnob(dialog->MusicKnob(), 0);
    EXPECT_EQ(dialog->MusicKnob().x, 95);
    EXPECT_EQ(Mixer().MusicLevel(), 0);
    Click(dialog->CancelButton());
    EXPECT_EQ(dialog->visible, 0);
    EXPECT_EQ(Folder().Read("set.ini"), before);
    EXPECT_EQ(Mixer().MusicLevel(), 0);
    EXPECT_TRUE(PostedEvents().empty());

    dialog->ShowSettings(true);
    EXPECT_EQ(dialog->MusicKnob().x, 95 + 14 * 6);
    Send(kMouseMove, 10, 10);
    EXPECT_EQ(Mixer().MusicLevel(), 6);
}

TEST_F(SettingsDialogTest, OkWithTheTickUnchangedWritesOnlyTheVolumes) {
    application.RequestWindow(true);
    Open();
    DragKnob(dialog->SoundKnob(), 12);
    Click(dialog->OkButton());
    EXPECT_EQ(dialog->visible, 0);
    const std::string path = settings.Path();
    EXPECT_EQ(platform::Settings::ReadString(path, "volume", "sound", "absent"), "12");
    EXPECT_EQ(platform::Settings::ReadString(path, "volume", "music", "absent"), "1");
    EXPECT_EQ(platform::Settings::ReadString(path, "set", "fullscreen", "absent"), "absent");
    EXPECT_TRUE(application.WantsWindow());
    EXPECT_TRUE(PostedEvents().empty());
    EXPECT_EQ(backend.Record(Folder().Path() + "Sound\\btn.wav").plays, 1)
        << "the press on OK clicks";

    // A display rebuild builds the dialog again: the saved levels come back, not the old ones.
    Mixer().SetEffectsLevel(1);
    dialog->Build(ImageSource{*display, game.Folders().Game()});
    EXPECT_EQ(Mixer().EffectsLevel(), 12);
}

struct TickCase {
    int windowedBefore;
    const char* stored;
    platform::CommandId command;
    const char* written;
};

class SettingsDialogTickTest : public SettingsDialogTest,
                               public ::testing::WithParamInterface<TickCase> {};

TEST_P(SettingsDialogTickTest, FlippedTickSwitchesTheDisplayOnOk) {
    const TickCase& c = GetParam();
    application.RequestWindow(c.windowedBefore != 0);
    Folder().Write("set.ini", std::string("[set]\nfullscreen=") + c.stored + "\n");
    Open();
    const bool tickBefore = dialog->FullscreenTick().visible != 0;
    Click(dialog->FullscreenTick());
    ASSERT_NE(dialog->FullscreenTick().visible != 0, tickBefore);
    Click(dialog->OkButton());

    EXPECT_EQ(application.WantsWindow(), c.windowedBefore == 0);
    EXPECT_EQ(platform::Settings::ReadString(settings.Path(), "set", "fullscreen", ""), c.written);
    EXPECT_EQ(PostedEvents(), std::vector{platform::Event::Command(c.command)});

    dialog->ShowSettings(true);
    EXPECT_EQ(dialog->FullscreenTick().visible != 0, !tickBefore);
}

INSTANTIATE_TEST_SUITE_P(BothWays, SettingsDialogTickTest,
                         ::testing::Values(TickCase{1, "0", platform::CommandId::FullScreen, "1"},
                                           TickCase{0, "1", platform::CommandId::Windowed, "0"}));

TEST_F(SettingsDialogTest, TickFlipsOnlyForPressesStrictlyInside) {
    Open();
    const Picture& tick = dialog->FullscreenTick();
    ASSERT_EQ(tick.visible, 0);
    const int left = tick.screenX;
    const int top = tick.screenY;
    for (const auto& [x, y] : {std::pair{left, top + 5}, std::pair{left + 5, top},
                               std::pair{left + 31, top + 5}, std::pair{left + 5, top + 25}}) {
        Send(kMouseLeftDown, x, y);
        Send(kMouseLeftUp, x, y);
        EXPECT_EQ(tick.visible, 0) << "press at (" << x << ", " << y << ")";
    }
    Send(kMouseLeftDown, left + 1, top + 1);
    EXPECT_EQ(tick.visible, 1) << "a hidden tick flips too";
    Send(kMouseLeftDown, left + 30, top + 24);
    EXPECT_EQ(tick.visible, 0);
}

} // namespace
