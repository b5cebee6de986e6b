// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "support/game_on_screen_test.h"

namespace mokopi::e2e {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int Rate = 16000;                       // of the recording: mono, 16-bit little-endian
constexpr qsizetype FrameBytes = 2 * Rate / 100;  // 10 ms

// Far above the null sink's digital silence, far below any cue.
constexpr double Audible = 200;
constexpr auto IsAudible = [](double rms) { return rms > Audible; };

// The cues of singing, dancing, rest and petting.
const char* const Cues[4] = {"uta.wav", "odori.wav", "hirou.wav", "ai.wav"};

// How long that many bytes of the recording take to play.
std::chrono::microseconds playingTime(qsizetype bytes)
{
    return std::chrono::microseconds(bytes / 2 * 1'000'000LL / Rate);
}

// RMS of each 10 ms frame.
std::vector<double> loudness(const QByteArray& samples)
{
    std::vector<double> frames;
    for (qsizetype f = 0; f + FrameBytes <= samples.size(); f += FrameBytes) {
        double energy = 0;
        for (qsizetype i = f; i < f + FrameBytes; i += 2) {
            std::int16_t s = 0;
            std::memcpy(&s, samples.constData() + i, 2);
            energy += static_cast<double>(s) * s;
        }
        frames.push_back(std::sqrt(energy / (FrameBytes / 2)));
    }
    return frames;
}

// From the first audible frame to the last.
std::vector<double> audiblePart(const std::vector<double>& frames)
{
    const auto first = std::find_if(frames.begin(), frames.end(), IsAudible);
    const auto last = std::find_if(frames.rbegin(), frames.rend(), IsAudible).base();
    return first < last ? std::vector<double>(first, last) : std::vector<double>{};
}

// A cue's file as the recording would hear it.
std::vector<double> cueAsHeard(const QString& file)
{
    const Program sox = runProgram(
        "sox", {file, "-t", "raw", "-r", QString::number(Rate), "-e", "signed", "-b", "16", "-c", "1", "-L", "-"});
    if (sox->exitCode() != 0)
        throw std::runtime_error("sox cannot read " + file.toStdString());
    return audiblePart(loudness(sox->readAllStandardOutput()));
}

// How alike two loudness envelopes are, 0..1, over the shorter one.
double likeness(const std::vector<double>& a, const std::vector<double>& b)
{
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        ab += a[i] * b[i], aa += a[i] * a[i], bb += b[i] * b[i];
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

// A PulseAudio server of the test's own with one null sink, whose monitor it
// records from the start. Its socket, configuration and state lie in a
// temporary folder and it has no session bus: other sound servers on the
// machine never hear the game, nor the game them.
class SoundServer {
public:
    SoundServer()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* own : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_STATE_PATH", "PULSE_RUNTIME_PATH"})
            environment.insert(own, folder_.path());
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        environment.remove("DISPLAY");
        server_ = startProgram("pulseaudio",
                               {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm=yes",
                                "--realtime=no", "--high-priority=no", "--log-target=stderr", "-L",
                                "module-null-sink sink_name=mokopi_e2e", "-L",
                                "module-native-protocol-unix auth-anonymous=1 socket=" + folder_.filePath("native")},
                               environment, folder_.filePath("server.log"));
        waitUntil("the sound server", [&] {
            return runProgram("pactl", {"--server", address(), "info"}, environment)->exitCode() == 0;
        });
        recorder_ = startProgram("parec",
                                 {"--server", address(), "--device", "mokopi_e2e.monitor", "--format=s16le",
                                  "--rate=" + QString::number(Rate), "--channels=1", "--raw", "--latency-msec=20"},
                                 environment);
        heard(Clock::now(), Clock::now());
    }

    // For PULSE_SERVER.
    QString address() const { return "unix:" + folder_.filePath("native"); }

    // The loudness of what the sink played from one moment to the other, in
    // 10 ms frames; waits until the recording reaches the second.
    std::vector<double> heard(Clock::time_point from, Clock::time_point to)
    {
        while (!start_ || *start_ + playingTime(samples_.size()) < to) {
            if (!recorder_->waitForReadyRead(static_cast<int>(PatientWait.count())))
                throw std::runtime_error("the recording stopped");
            samples_ += recorder_->readAllStandardOutput();
            // Samples reach us a little after they are played, never before:
            // the earliest start they tell of is the closest.
            const Clock::time_point start = Clock::now() - playingTime(samples_.size());
            start_ = start_ ? std::min(*start_, start) : start;
        }
        const auto byteAt = [&](Clock::time_point t) {
            const auto played = std::chrono::duration_cast<std::chrono::microseconds>(t - *start_);
            return std::clamp<qsizetype>(played.count() * Rate / 1'000'000 * 2, 0, samples_.size());
        };
        return loudness(samples_.mid(byteAt(from), byteAt(to) - byteAt(from)));
    }

    // Waits for the end of what is playing.
    void waitForSilence()
    {
        waitUntil("silence", [&] {
            const auto recent = heard(Clock::now() - 300ms, Clock::now());
            return std::none_of(recent.begin(), recent.end(), IsAudible);
        });
    }

private:
    QTemporaryDir folder_{QDir::tempPath() + "/mokopi-e2e-sound-XXXXXX"};
    Program server_, recorder_;
    QByteArray samples_;
    std::optional<Clock::time_point> start_;  // when the first sample recorded was played
};

using SoundTest = GameOnScreenTest;

TEST_F(SoundTest, ACommandIsHeardAtOnceWithItsOwnCueAndNothingWithTheSoundSwitchedOff)
{
    std::vector<double> cues[4];
    for (int i = 0; i < 4; ++i)
        cues[i] = cueAsHeard(appFile(Cues[i]));
    SoundServer sound;
    launch(Hands::Mouse, sound.address());
    choose(OptionItem::Events);  // no event may end with its own sound
    nameThePets("", "");

    for (int command : {0, 1}) {
        sound.waitForSilence();  // the clock's start plays the rest cue
        const auto clicked = Clock::now();
        chooseCommand(command);
        const std::vector<double> heard = sound.heard(clicked, clicked + 1500ms);
        EXPECT_LT(std::find_if(heard.begin(), heard.end(), IsAudible) - heard.begin(), 30) << "not within 300 ms";
        const std::vector<double> cue = audiblePart(heard);
        EXPECT_NEAR(cue.size(), cues[command].size(), cues[command].size() / 4.0) << "command " << command;
        const auto mostAlike = std::max_element(std::begin(cues), std::end(cues), [&](const auto& a, const auto& b) {
            return likeness(cue, a) < likeness(cue, b);
        });
        EXPECT_EQ(mostAlike - std::begin(cues), command);
    }

    choose(OptionItem::Sound);
    sound.waitForSilence();
    const auto clicked = Clock::now();
    chooseCommand(0);
    pet();
    const std::vector<double> heard = sound.heard(clicked, clicked + 1500ms);
    EXPECT_TRUE(std::none_of(heard.begin(), heard.end(), IsAudible));
}

TEST_F(SoundTest, QuittingWithAnEmptyALyingOrABigEndianCueEndsWithinASecond)
{
    const QByteArray samples(1600, '\0');
    const std::vector<std::pair<const char*, QByteArray>> cues = {
        {"empty", ""},
        {"claiming 2 GB",
         QByteArray::fromHex("52494646 24000080 57415645 666d7420 10000000 0100 0100 401f0000 "
                             "803e0000 0200 1000 64617461 f0ffff7f")
             + samples},
        {"big-endian",
         QByteArray::fromHex("52494658 00000664 57415645 666d7420 00000010 0001 0001 00001f40 "
                             "00003e80 0002 0010 64617461 00000640")
             + samples},
    };
    for (const auto& [what, cue] : cues) {
        QFile file(appFile("uta.wav"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(cue) == cue.size());
        file.close();
        launch(Hands::KeysOnly);
        choose(MainItem::Quit);
        EXPECT_EQ(exitWithin(1000ms), 0) << "uta.wav " << what;
    }
}

}  // namespace
}  // namespace mokopi::e2e
