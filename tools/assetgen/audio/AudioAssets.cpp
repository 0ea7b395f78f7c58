#include "AudioAssets.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <system_error>
#include <thread>

#include "Mp3Encoder.h"
#include "MusicTrack.h"
#include "Orchestra.h"
#include "WavWriter.h"

namespace assetgen {

namespace {

using namespace audio;

constexpr float kVbrQuality = 4.0f;
constexpr float kClickPeak = 0.5f; // -6 dBFS

struct TrackJob {
    MusicTrack track;
    Mp3Encoder encoder;
    std::vector<std::uint8_t> bytes;
    bool done = false;
};

// Renders and encodes jobs, taking the next unclaimed one until none is left.
void RunJobs(std::vector<std::unique_ptr<TrackJob>>& jobs, std::atomic<std::size_t>& next) {
    for (std::size_t i = next++; i < jobs.size(); i = next++) {
        TrackJob& job = *jobs[i];
        job.done = job.encoder.Encode(job.track.Render(), job.bytes);
    }
}

// A single knock on a wood block.
AudioFile MakeClick() {
    NoteEvent knock;
    knock.instrument = Instrument::WoodBlock;
    knock.frequency = 1400.0;
    knock.velocity = 1.0f;
    Prng rng(0x0C11C4u);
    StereoBuffer sound = Orchestra().Play(knock, rng);
    sound.Scale(kClickPeak / std::max(sound.Peak(), 1e-6f));
    return {"Sound/btn.wav", WavWriter::Write(sound)};
}

} // namespace

std::vector<AudioFile> MakeAudioFiles() {
    std::vector<std::unique_ptr<TrackJob>> jobs;
    for (MusicTrack& track : MusicTrack::GameTracks()) {
        auto job = std::make_unique<TrackJob>();
        job->track = std::move(track);
        // Opened here, one after another: the library's set-up is not safe to run in parallel.
        job->done = job->encoder.Open(kVbrQuality);
        if (job->done) {
            jobs.push_back(std::move(job));
        }
    }
    std::atomic<std::size_t> next = 0;
    std::thread helper;
    try {
        helper = std::thread([&jobs, &next] { RunJobs(jobs, next); });
    } catch (const std::system_error&) {
        // No second thread to be had: this one does all the work.
    }
    RunJobs(jobs, next);
    if (helper.joinable()) {
        helper.join();
    }

    std::vector<AudioFile> files;
    for (const std::unique_ptr<TrackJob>& job : jobs) {
        if (job->done) {
            files.push_back({job->track.path, std::move(job->bytes)});
        }
    }
    files.push_back(MakeClick());
    return files;
}

} // namespace assetgen
