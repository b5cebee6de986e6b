#include "support/sound_server.h"

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <optional>
#include <stdexcept>

#include "support/wait.h"

namespace mokopi::e2e {

namespace {

// Keeps PulseAudio and its tools away from the user's own configuration,
// cookie and session bus.
std::vector<std::string> privateEnvironment(const TemporaryFolder& folder)
{
    return {"HOME=" + folder.path().string(), "XDG_RUNTIME_DIR=" + folder.path().string(),
            "XDG_CONFIG_HOME=" + (folder / "config").string(), "PULSE_STATE_PATH=" + (folder / "state").string(),
            "PULSE_RUNTIME_PATH=" + (folder / "runtime").string(), "DBUS_SESSION_BUS_ADDRESS=disabled:",
            "DISPLAY="};
}


}  // namespace

SoundServer::SoundServer() : folder_("mokopi-e2e-sound")
{
    writeFile(folder_ / "server.pa",
              "load-module module-null-sink sink_name=mokopi_e2e\n"
              "set-default-sink mokopi_e2e\n"
              "load-module module-native-protocol-unix auth-anonymous=1 socket=" + (folder_ / "native").string() + "\n");
    server_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"pulseaudio", "-n", "-F", (folder_ / "server.pa").string(), "--daemonize=no",
                                 "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm=yes", "--realtime=no",
                                 "--high-priority=no", "--log-target=stderr"},
        ChildProcess::Options{privateEnvironment(folder_), (folder_ / "server.log").string()});
    waitUntil("the sound server", [this] {
        if (!server_->isRunning())
            throw std::runtime_error("the sound server stopped:\n" + readFile(folder_ / "server.log"));
        return std::filesystem::exists(folder_ / "native")
            && runToEnd({"pactl", "--server", address(), "info"}, {privateEnvironment(folder_), {}}) == 0;
    });
}

SoundServer::~SoundServer() = default;

SinkRecorder::SinkRecorder(const SoundServer& server) : folder_("mokopi-e2e-record")
{
    if (pipe2(pipe_, O_CLOEXEC) != 0)
        throw std::runtime_error("no pipe for the recorder");
    recorder_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"parec", "--server", server.address(), "--device", server.monitor(),
                                 "--format=s16le", "--rate=" + std::to_string(Rate), "--channels=1", "--raw",
                                 "--latency-msec=20"},
        ChildProcess::Options{privateEnvironment(folder_), (folder_ / "parec.log").string(), -1, pipe_[1]});
    close(pipe_[1]);
    pipe_[1] = -1;
    reader_ = std::thread([this] { read(); });
    waitUntil("the recording to start", [this] {
        const std::lock_guard lock(mutex_);
        return !samples_.empty();
    });
}

SinkRecorder::~SinkRecorder()
{
    recorder_->stop();
    reader_.join();
    close(pipe_[0]);
}

void SinkRecorder::read()
{
    std::vector<char> buffer(4096);
    std::string pending;
    for (;;) {
        const ssize_t n = ::read(pipe_[0], buffer.data(), buffer.size());
        if (n <= 0)
            return;
        const auto now = Clock::now();
        pending.append(buffer.data(), static_cast<std::size_t>(n));
        const std::lock_guard lock(mutex_);
        const std::size_t whole = pending.size() / 2;
        const std::size_t at = samples_.size();
        samples_.resize(at + whole);
        std::memcpy(samples_.data() + at, pending.data(), whole * 2);  // little-endian, as asked of parec
        pending.erase(0, whole * 2);
        arrivals_.emplace_back(samples_.size(), now);
    }
}

SinkRecorder::Clock::time_point SinkRecorder::timeOf(std::size_t sample) const
{
    for (const auto& [count, when] : arrivals_)
        if (count > sample)
            return when - std::chrono::microseconds((count - sample) * 1000000 / Rate);
    return arrivals_.back().second;
}

std::vector<SinkRecorder::Sound> SinkRecorder::soundsSince(Clock::time_point since, double threshold) const
{
    const std::lock_guard lock(mutex_);
    std::size_t first = 0;
    while (first < samples_.size() && timeOf(first) < since)
        first += FrameSamples;
    const std::vector<double> frames = loudness(samples_.data() + std::min(first, samples_.size()),
                                                samples_.size() - std::min(first, samples_.size()));
    std::vector<Sound> sounds;
    std::optional<std::size_t> lastLoud;
    for (std::size_t k = 0; k < frames.size(); ++k) {
        if (frames[k] <= threshold)
            continue;
        const std::size_t f = first + k * FrameSamples;
        if (!lastLoud || k - *lastLoud > BridgedFrames)
            sounds.push_back({timeOf(f), {}, {}});
        else
            sounds.back().envelope.insert(sounds.back().envelope.end(), k - *lastLoud - 1, 0.0);
        sounds.back().envelope.push_back(frames[k]);
        sounds.back().end = timeOf(f + FrameSamples);
        lastLoud = k;
    }
    return sounds;
}

double SinkRecorder::loudestSince(Clock::time_point since) const
{
    double loudest = 0;
    for (const Sound& s : soundsSince(since, 0))
        for (double rms : s.envelope)
            loudest = std::max(loudest, rms);
    return loudest;
}

void SinkRecorder::waitUntilRecorded(Clock::time_point moment) const
{
    waitUntil("the recording to catch up", [&] {
        const std::lock_guard lock(mutex_);
        return !arrivals_.empty() && arrivals_.back().second >= moment;
    });
}

std::vector<double> loudness(const std::int16_t* samples, std::size_t count)
{
    std::vector<double> frames;
    for (std::size_t f = 0; f + SinkRecorder::FrameSamples <= count; f += SinkRecorder::FrameSamples) {
        double energy = 0;
        for (std::size_t i = f; i < f + SinkRecorder::FrameSamples; ++i)
            energy += static_cast<double>(samples[i]) * samples[i];
        frames.push_back(std::sqrt(energy / SinkRecorder::FrameSamples));
    }
    return frames;
}

std::vector<double> waveEnvelope(const std::string& waveFile)
{
    // sox brings the file to the recorder's rate and format.
    const TemporaryFolder folder("mokopi-e2e-wave");
    const auto raw = folder / "wave.raw";
    if (runToEnd({"sox", waveFile, "-t", "raw", "-r", std::to_string(SinkRecorder::Rate), "-e", "signed", "-b", "16",
                  "-c", "1", "-L", raw.string()},
                 {})
        != 0)
        throw std::runtime_error("sox cannot read " + waveFile);
    const std::string bytes = readFile(raw);
    std::vector<std::int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return loudness(samples.data(), samples.size());
}

}  // namespace mokopi::e2e
