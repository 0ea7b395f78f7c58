#include "game/screens/SettingsDialog.h"

#include <algorithm>

#include "app/WindowCommands.h"
#include "game/PlacedImage.h"
#include "game/PlayerSettings.h"
#include "game/screens/Report.h"
#include "platform/Event.h"

namespace game {

namespace {

// Levels 0 to this span a track.
constexpr int kTopLevel = 15;

// Strictly inside the element's full rectangle, whether it is shown or not: its first column
// and row and the edge past its last do not count.
bool StrictlyInside(const scene::Element& element, int x, int y) {
    return element.screenX < x && x < element.screenX + element.width && element.screenY < y &&
           y < element.screenY + element.height;
}

} // namespace

SettingsDialog::SettingsDialog(const PlayerSettings& settings, app::WindowCommands& window)
    : settings(settings), window(window) {
    AddWidget(&soundKnob);
    AddWidget(&musicKnob);
    AddChild(&fullscreenTick);
    AddChild(&cancelButton);
    AddChild(&okButton);
    soundLevel = settings.SoundLevel();
    musicLevel = settings.MusicLevel();
}

SettingsDialog::~SettingsDialog() {
    scene::Element* const parts[] = {&soundKnob, &musicKnob, &fullscreenTick, &cancelButton,
                                     &okButton};
    for (scene::Element* part : parts) {
        RemoveChild(part);
    }
}

bool SettingsDialog::Build(const ImageSource& images) {
    ShowSettings(false);
    bool loaded = true;
    const auto note = [&loaded](int result) { loaded = loaded && result > 0; };
    note(LoadPlaced(*this, Layout::Of(Image::SettingsPage), images));
    note(LoadPlaced(fullscreenTick, Layout::Of(Image::FullscreenTick), images));
    note(LoadPlaced(okButton, Layout::Of(Image::SettingsOk), images));
    note(LoadPlaced(cancelButton, Layout::Of(Image::SettingsCancel), images));
    note(LoadPlaced(soundKnob, Layout::Of(Image::SoundKnob), images));
    const SliderTrack sound = Layout::SoundTrack();
    SetSoundTrack(sound.x0, sound.y, sound.x1, sound.y);
    note(LoadPlaced(musicKnob, Layout::Of(Image::MusicKnob), images));
    const SliderTrack music = Layout::MusicTrack();
    SetMusicTrack(music.x0, music.y, music.x1, music.y);
    // The stored levels, not the file: set.ini is read again only when the dialog opens.
    Report(onVolumes, soundLevel, musicLevel);
    return loaded;
}

void SettingsDialog::SetSoundTrack(int x0, int y0, int x1, int y1) {
    SetTrack(soundKnob, soundTrack, x0, y0, x1, y1);
}

void SettingsDialog::SetMusicTrack(int x0, int y0, int x1, int y1) {
    SetTrack(musicKnob, musicTrack, x0, y0, x1, y1);
}

void SettingsDialog::SetTrack(widgets::DragPanel& knob, Track& track, int x0, int y0, int x1,
                              int y1) {
    // One step serves both tracks, so they are meant to be equally long.
    sliderStep = std::max((x1 - x0) / kTopLevel, 1);
    knob.SetDragBounds(x0, y0, x1, y1);
    track = {x0, y0, x1, y1};
}

int SettingsDialog::SoundKnobLevel() const {
    return LevelOf(soundKnob, soundTrack);
}

int SettingsDialog::MusicKnobLevel() const {
    return LevelOf(musicKnob, musicTrack);
}

int SettingsDialog::LevelOf(const widgets::DragPanel& knob, const Track& track) const {
    return (knob.x - track.x0) / sliderStep;
}

void SettingsDialog::PlaceKnob(widgets::DragPanel& knob, const Track& track, int level) {
    // A stored level outside 0..15 leaves the knob off its track until it is dragged back.
    knob.SetPosition(track.x0 + sliderStep * level, knob.y);
}

void SettingsDialog::ShowSettings(bool show) {
    if (show) {
        fullscreenTick.SetVisible(settings.FullScreen() ? 1 : 0);
        PlaceKnob(soundKnob, soundTrack, settings.SoundLevel());
        PlaceKnob(musicKnob, musicTrack, settings.MusicLevel());
    }
    SetVisible(show ? 1 : 0);
}

bool SettingsDialog::Handle(const core::Input& event) {
    widgets::DragPanel::Handle(event);
    const int x = static_cast<int>(event.x);
    const int y = static_cast<int>(event.y);
    switch (event.code) {
    case core::kMouseMove:
        cancelButton.OnMouseMove(x, y);
        okButton.OnMouseMove(x, y);
        break;
    case core::kMouseLeftDown:
        OnMouseDown(x, y);
        break;
    case core::kMouseLeftUp:
        OnMouseUp(x, y);
        break;
    default:
        break;
    }
    // The volumes follow the knobs, and stay as they were left when the dialog closes.
    Report(onVolumes, SoundKnobLevel(), MusicKnobLevel());
    return true;
}

void SettingsDialog::OnMouseDown(int x, int y) {
    for (widgets::Button* button : {&cancelButton, &okButton}) {
        if (button->OnMouseDown(x, y)) {
            Report(onClick);
        }
    }
    if (StrictlyInside(fullscreenTick, x, y)) {
        fullscreenTick.SetVisible(fullscreenTick.visible == 0 ? 1 : 0);
    }
}

void SettingsDialog::OnMouseUp(int x, int y) {
    // Both buttons see the release, so neither is left pressed.
    const bool accepted = okButton.OnMouseUp(x, y);
    const bool cancelled = cancelButton.OnMouseUp(x, y);
    if (accepted) {
        Accept();
    } else if (cancelled) {
        SetVisible(0);
    }
}

void SettingsDialog::Accept() {
    ApplyFullscreenChoice();
    // Kept as the stored levels too, so a display rebuild brings back what was saved rather
    // than the levels of program start.
    soundLevel = SoundKnobLevel();
    musicLevel = MusicKnobLevel();
    settings.SetSoundLevel(soundLevel);
    settings.SetMusicLevel(musicLevel);
    SetVisible(0);
}

void SettingsDialog::ApplyFullscreenChoice() {
    const bool windowed = fullscreenTick.visible == 0;
    if (windowed == window.WantsWindow()) {
        return;
    }
    window.RequestWindow(windowed);
    settings.SetFullScreen(!windowed);
    // The switch itself happens when the window handles the command.
    window.PostEvent(platform::Event::Command(windowed ? platform::CommandId::Windowed
                                                       : platform::CommandId::FullScreen));
}

} // namespace game
