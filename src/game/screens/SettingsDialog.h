#pragma once

#include <functional>
#include <string>

#include "game/PlacedImage.h"
#include "scene/Picture.h"
#include "widgets/Button.h"
#include "widgets/DragPanel.h"

namespace app {
class WindowCommands;
}

namespace game {

class PlayerSettings;

// The main menu's settings dialog, dragged by its page: two volume sliders (sound effects and
// music, levels 0 to 15), a full-screen tick, and OK and cancel. Opening it shows what set.ini
// holds; the volumes follow the knobs while it is open, and OK writes the knobs and the tick
// back. Main thread only.
class SettingsDialog : public widgets::DragPanel {
public:
    // The rectangle a knob may be dragged in; a horizontal track has y0 equal to y1.
    struct Track {
        int x0 = 0;
        int y0 = 0;
        int x1 = 0;
        int y1 = 0;
    };

    // Reads the stored volume levels from the settings; loads no image. A changed full-screen
    // tick asks the window for the other display mode. Both must outlive the dialog.
    SettingsDialog(const PlayerSettings& settings, app::WindowCommands& window);
    ~SettingsDialog() override;

    // Every event drags the knobs or the page, drives the buttons and the tick, and then sets
    // the volume mixer from the knobs. The open dialog is modal: it consumes every event.
    bool Handle(const core::Input& event) override;
    // Opening reads the tick and both levels from set.ini afresh and places the knobs on them.
    virtual void ShowSettings(bool show);

    // Levels 0 to 15 span the track; the knob is held to the track's rectangle.
    void SetSoundTrack(int x0, int y0, int x1, int y1);
    void SetMusicTrack(int x0, int y0, int x1, int y1);

    // Loads the dialog's images from the game folder, lays it out hidden and gives the volume
    // mixer the stored levels. False when an image did not load; the dialog is laid out all the
    // same.
    bool Build(const ImageSource& images);

    // The level a knob stands for: (x - track x0) / sliderStep, not clamped.
    int SoundKnobLevel() const;
    int MusicKnobLevel() const;

    widgets::DragPanel& SoundKnob() { return soundKnob; }
    widgets::DragPanel& MusicKnob() { return musicKnob; }
    scene::Picture& FullscreenTick() { return fullscreenTick; }
    widgets::Button& OkButton() { return okButton; }
    widgets::Button& CancelButton() { return cancelButton; }

    // The levels the volume mixer gets at every Build: read at construction, replaced by OK.
    int StoredSoundLevel() const { return soundLevel; }
    int StoredMusicLevel() const { return musicLevel; }
    int SliderStep() const { return sliderStep; }
    const Track& SoundTrack() const { return soundTrack; }
    const Track& MusicTrack() const { return musicTrack; }

    // The levels the volumes are to have: the stored ones at every Build, the knobs' while the
    // dialog is open.
    std::function<void(int effects, int music)> onVolumes;
    // OK or cancel took a press.
    std::function<void()> onClick;

private:
    void SetTrack(widgets::DragPanel& knob, Track& track, int x0, int y0, int x1, int y1);
    int LevelOf(const widgets::DragPanel& knob, const Track& track) const;
    void PlaceKnob(widgets::DragPanel& knob, const Track& track, int level);

    void OnMouseDown(int x, int y);
    void OnMouseUp(int x, int y);
    void Accept();
    void ApplyFullscreenChoice();

    const PlayerSettings& settings;
    app::WindowCommands& window;
    widgets::DragPanel soundKnob;
    widgets::DragPanel musicKnob;
    scene::Picture fullscreenTick;
    widgets::Button okButton;
    widgets::Button cancelButton;
    int musicLevel = 1;
    int soundLevel = 1;
    // At least 1, so a knob's level is always defined.
    int sliderStep = 1;
    Track soundTrack;
    Track musicTrack;
};

} // namespace game
