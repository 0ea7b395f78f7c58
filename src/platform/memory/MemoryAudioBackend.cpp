#include "platform/memory/MemoryAudioBackend.h"

namespace platform {

AudioHandle MemoryAudioBackend::Open(std::string_view path) {
    if (refuseOpen) {
        return kNoAudio;
    }
    const AudioHandle handle = nextHandle++;
    tracks[handle].path = std::string(path);
    ++files[std::string(path)].opens;
    Note("open", std::string(path));
    return handle;
}

void MemoryAudioBackend::PlayFromStart(AudioHandle handle) {
    if (Track* track = Find(handle)) {
        track->playing = true;
        track->ends = 0;
        ++files[track->path].plays;
        Note("play", track->path);
    }
}

void MemoryAudioBackend::Stop(AudioHandle handle) {
    if (Track* track = Find(handle)) {
        track->playing = false;
        track->ends = 0;
        ++files[track->path].stops;
        Note("stop", track->path);
    }
}

bool MemoryAudioBackend::SetVolume(AudioHandle handle, int hundredths) {
    Track* track = Find(handle);
    if (track == nullptr) {
        return false;
    }
    FileRecord& record = files[track->path];
    ++record.volumeCalls;
    Note("volume", track->path + " " + std::to_string(hundredths));
    if (hundredths > 0) {
        return false;
    }
    record.volume = hundredths;
    return true;
}

void MemoryAudioBackend::Release(AudioHandle handle) {
    if (Track* track = Find(handle)) {
        ++files[track->path].releases;
        Note("release", track->path);
        tracks.erase(handle);
    }
}

void MemoryAudioBackend::SetEndNotice(std::function<void()> newNotice) {
    notice = std::move(newNotice);
}

bool MemoryAudioBackend::NotifyOnEnd(AudioHandle handle) {
    Track* track = Find(handle);
    if (track == nullptr || refuseNotice) {
        return false;
    }
    track->notify = true;
    return true;
}

bool MemoryAudioBackend::TakeEnded(AudioHandle handle) {
    Track* track = Find(handle);
    if (track == nullptr || track->ends == 0) {
        return false;
    }
    --track->ends;
    return true;
}

int MemoryAudioBackend::EndTrack(std::string_view path) {
    int ended = 0;
    bool notified = false;
    for (auto& [handle, track] : tracks) {
        if (track.path != path || !track.playing) {
            continue;
        }
        track.playing = false;
        ++track.ends;
        ++ended;
        notified = notified || track.notify;
    }
    if (notified && notice) {
        notice();
    }
    return ended;
}

MemoryAudioBackend::FileRecord MemoryAudioBackend::Record(std::string_view path) const {
    const auto found = files.find(path);
    return found != files.end() ? found->second : FileRecord{};
}

bool MemoryAudioBackend::IsPlaying(std::string_view path) const {
    for (const auto& [handle, track] : tracks) {
        if (track.path == path && track.playing) {
            return true;
        }
    }
    return false;
}

int MemoryAudioBackend::PendingEnds(std::string_view path) const {
    int ends = 0;
    for (const auto& [handle, track] : tracks) {
        if (track.path == path) {
            ends += track.ends;
        }
    }
    return ends;
}

std::vector<std::string> MemoryAudioBackend::LogOf(std::string_view verb) const {
    std::vector<std::string> lines;
    const std::string prefix = std::string(verb) + " ";
    for (const std::string& line : log) {
        if (line.starts_with(prefix)) {
            lines.push_back(line.substr(prefix.size()));
        }
    }
    return lines;
}

MemoryAudioBackend::Track* MemoryAudioBackend::Find(AudioHandle handle) {
    const auto found = tracks.find(handle);
    return found != tracks.end() ? &found->second : nullptr;
}

void MemoryAudioBackend::Note(std::string_view verb, const std::string& path) {
    log.push_back(std::string(verb) + " " + path);
}

} // namespace platform
