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

std::uint32_t little(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    return v;
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
        std::size_t used = 0;
        for (; used + 1 < pending.size(); used += 2)
            samples_.push_back(static_cast<std::int16_t>(little(pending, used, 2)));
        pending.erase(0, used);
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
    std::vector<Sound> sounds;
    std::optional<std::size_t> lastLoud;  // frame number
    for (std::size_t k = 0, f = first; f + FrameSamples <= samples_.size(); ++k, f += FrameSamples) {
        double energy = 0;
        for (std::size_t i = f; i < f + FrameSamples; ++i)
            energy += static_cast<double>(samples_[i]) * samples_[i];
        const double rms = std::sqrt(energy / FrameSamples);
        if (rms <= threshold)
            continue;
        if (!lastLoud || k - *lastLoud > BridgedFrames)
            sounds.push_back({timeOf(f), {}, {}});
        else
            sounds.back().envelope.insert(sounds.back().envelope.end(), k - *lastLoud - 1, 0.0);
        sounds.back().envelope.push_back(rms);
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

std::vector<double> waveEnvelope(const std::string& waveFile)
{
    const std::string bytes = readFile(waveFile);
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        throw std::runtime_error(waveFile + " is no wave file");
    int channels = 0, rate = 0, bits = 0;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = little(bytes, at + 4, 4);
        if (id == "fmt ") {
            channels = static_cast<int>(little(bytes, at + 10, 2));
            rate = static_cast<int>(little(bytes, at + 12, 4));
            bits = static_cast<int>(little(bytes, at + 22, 2));
        } else if (id == "data") {
            if (bits != 16 || channels < 1)
                throw std::runtime_error(waveFile + " is not 16-bit PCM");
            const std::size_t frame = static_cast<std::size_t>(rate / 100 * channels);
            const std::size_t count = std::min(size, bytes.size() - at - 8) / 2;
            std::vector<double> envelope;
            for (std::size_t f = 0; f + frame <= count; f += frame) {
                double energy = 0;
                for (std::size_t i = f; i < f + frame; ++i) {
                    const double s = static_cast<std::int16_t>(little(bytes, at + 8 + 2 * i, 2));
                    energy += s * s;
                }
                envelope.push_back(std::sqrt(energy / static_cast<double>(frame)));
            }
            return envelope;
        }
        at += 8 + size + (size % 2);
    }
    throw std::runtime_error(waveFile + " has no sound data");
}

}  // namespace mokopi::e2e
