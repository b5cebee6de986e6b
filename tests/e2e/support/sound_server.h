#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/child_process.h"
#include "support/temporary_folder.h"

namespace mokopi::e2e {

// A PulseAudio server of the test's own: one null sink whose monitor can be
// recorded, a socket and runtime folder in a temporary folder, no session
// bus. Other sound servers on the machine never see the game's sounds.
class SoundServer {
public:
    SoundServer();
    ~SoundServer();

    // For a client: where to find this server.
    std::string clientEnvironment() const { return "PULSE_SERVER=" + address(); }
    std::string address() const { return "unix:" + (folder_ / "native").string(); }
    // What the sink plays, as a source to record.
    std::string monitor() const { return "mokopi_e2e.monitor"; }

private:
    TemporaryFolder folder_;
    std::unique_ptr<ChildProcess> server_;
};

// Records the sink's monitor from the moment it is made: 16 kHz mono,
// with the arrival time of every sample, so that what is heard can be set
// against the moment of a click.
class SinkRecorder {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int Rate = 16000;
    static constexpr int FrameSamples = Rate / 100;  // 10 ms

    explicit SinkRecorder(const SoundServer& server);
    ~SinkRecorder();

    // A stretch of sound louder than the threshold. Gaps up to 150 ms, as
    // between the beats of one cue, are bridged.
    static constexpr std::size_t BridgedFrames = 15;
    struct Sound {
        Clock::time_point start, end;
        std::vector<double> envelope;  // RMS of each 10 ms frame
        std::chrono::milliseconds length() const
        {
            return std::chrono::duration_cast<std::chrono::milliseconds>(end - start);
        }
    };
    std::vector<Sound> soundsSince(Clock::time_point since, double threshold) const;
    // RMS of the loudest 10 ms frame since then.
    double loudestSince(Clock::time_point since) const;
    // Waits until the recording reaches that moment.
    void waitUntilRecorded(Clock::time_point moment) const;

private:
    void read();
    Clock::time_point timeOf(std::size_t sample) const;

    TemporaryFolder folder_;
    int pipe_[2] = {-1, -1};
    std::unique_ptr<ChildProcess> recorder_;
    std::thread reader_;
    mutable std::mutex mutex_;
    std::vector<std::int16_t> samples_;
    // After reading a chunk: how many samples there were and when they came.
    std::vector<std::pair<std::size_t, Clock::time_point>> arrivals_;
};

// RMS of each 10 ms frame of 16 kHz samples.
std::vector<double> loudness(const std::int16_t* samples, std::size_t count);
// The same for a wave file, as the recorder would hear it.
std::vector<double> waveEnvelope(const std::string& waveFile);

}  // namespace mokopi::e2e
