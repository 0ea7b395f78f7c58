#include "game/PlayerSettings.h"

#include "platform/Settings.h"

namespace game {

using platform::Settings;

int PlayerSettings::SoundLevel() const {
    return Settings::ReadNumber(Path(), "volume", "sound", "1");
}

int PlayerSettings::MusicLevel() const {
    return Settings::ReadNumber(Path(), "volume", "music", "1");
}

bool PlayerSettings::SetSoundLevel(int level) const {
    return Settings::WriteNumber(Path(), "volume", "sound", level);
}

bool PlayerSettings::SetMusicLevel(int level) const {
    return Settings::WriteNumber(Path(), "volume", "music", level);
}

bool PlayerSettings::Slides() const {
    return Settings::ReadNumber(Path(), "set", "animate", "1") != 0;
}

int PlayerSettings::MaxLevel() const {
    return Settings::ReadNumber(Path(), "board", "maxboard", "1");
}

bool PlayerSettings::SetStartedLevel(int level) const {
    return Settings::WriteNumber(Path(), "board", "nboard", level);
}

} // namespace game
