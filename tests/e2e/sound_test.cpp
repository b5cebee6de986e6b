#include <algorithm>
#include <chrono>
#include <cmath>

#include "support/game_on_screen_test.h"
#include "support/sound_server.h"

namespace mokopi::e2e {
namespace {

using namespace std::chrono_literals;
using Clock = SinkRecorder::Clock;

// Far above the null sink's digital silence, far below any cue.
constexpr double Audible = 200;

const char* const Cues[4] = {"uta.wav", "odori.wav", "hirou.wav", "ai.wav"};

// How alike two loudness envelopes are, 0..1, over the shorter one.
double likeness(const std::vector<double>& a, const std::vector<double>& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i)
        ab += a[i] * b[i], aa += a[i] * a[i], bb += b[i] * b[i];
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

// The envelope of a cue's file from its first audible frame to its last.
std::vector<double> audiblePart(std::vector<double> envelope)
{
    const auto loud = [](double rms) { return rms > Audible; };
    const auto first = std::find_if(envelope.begin(), envelope.end(), loud);
    const auto last = std::find_if(envelope.rbegin(), envelope.rend(), loud).base();
    return first < last ? std::vector<double>(first, last) : std::vector<double>{};
}

class SoundTest : public GameOnScreenTest {
protected:
    void SetUp() override
    {
        launch({sound.clientEnvironment()});
        game->choose(OptionItem::Events);  // no event may end with its own sound
        game->clickSpeech();
        playTheNamingScene("", "");
        recorder.emplace(sound);
        for (int i = 0; i < 4; ++i)
            cues[i] = audiblePart(waveEnvelope((folder / Cues[i]).string()));
    }
    // Waits for the end of what is playing (the clock's start plays the rest cue).
    void waitForSilence()
    {
        waitUntil("silence", [&] {
            const auto now = Clock::now();
            recorder->waitUntilRecorded(now);
            return recorder->loudestSince(now - 300ms) < Audible;
        });
    }
    // The cue a sound is most like.
    int whichCue(const SinkRecorder::Sound& heard) const
    {
        int best = 0;
        for (int i = 1; i < 4; ++i)
            if (likeness(heard.envelope, cues[i]) > likeness(heard.envelope, cues[best]))
                best = i;
        return best;
    }

    SoundServer sound;
    std::optional<SinkRecorder> recorder;
    std::vector<double> cues[4];
};

TEST_F(SoundTest, ACommandIsHeardAtOnceWithItsOwnCueAndNothingWithTheSoundSwitchedOff)
{
    for (int command : {0, 1}) {
        waitForSilence();
        const auto clicked = Clock::now();
        game->chooseCommand(command);
        recorder->waitUntilRecorded(clicked + 1500ms);
        const auto heard = recorder->soundsSince(clicked, Audible);
        ASSERT_EQ(heard.size(), 1u) << "command " << command;
        EXPECT_LT(heard[0].start - clicked, 300ms) << "command " << command;
        const auto cueLength = std::chrono::milliseconds(cues[command].size() * 10);
        EXPECT_NEAR(heard[0].length().count(), cueLength.count(), cueLength.count() / 4) << "command " << command;
        EXPECT_EQ(whichCue(heard[0]), command);
    }

    game->choose(OptionItem::Sound);
    waitForSilence();
    const auto clicked = Clock::now();
    game->chooseCommand(0);
    game->pet();
    recorder->waitUntilRecorded(clicked + 1500ms);
    EXPECT_LT(recorder->loudestSince(clicked), Audible);
}

}  // namespace
}  // namespace mokopi::e2e
