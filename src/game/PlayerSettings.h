#pragma once

#include "app/AppSettings.h"

namespace game {

// Every key of the player's set.ini, typed: the application's (AppSettings) and the game's
// volumes, slides and level numbers. Like AppSettings it reads the file at every call and
// writes it at every change.
class PlayerSettings : public app::AppSettings {
public:
    using AppSettings::AppSettings;

    // [volume] sound and music: levels 0 to 15, 1 when missing.
    int SoundLevel() const;
    int MusicLevel() const;
    bool SetSoundLevel(int level) const;
    bool SetMusicLevel(int level) const;
    // [set] animate: pieces slide into their cells unless it is 0.
    bool Slides() const;
    // [board] maxboard: how far the level list reaches, 1 when missing.
    int MaxLevel() const;
    // [board] nboard: the level started last; the game writes it and never reads it back.
    bool SetStartedLevel(int level) const;
};

} // namespace game
