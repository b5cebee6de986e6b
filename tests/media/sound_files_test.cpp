// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "media/sound_bank.h"
#include "media/wave_check.h"

namespace mokopi::testing {

using namespace media;

// Wave files built chunk by chunk, every size little-endian.
QByteArray le(quint32 n, int bytes)
{
    QByteArray out(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        out[i] = char(n >> (8 * i));
    return out;
}
QByteArray chunk(const char* id, const QByteArray& body) { return id + le(quint32(body.size()), 4) + body; }
QByteArray riff(const QByteArray& chunks) { return "RIFF" + le(quint32(4 + chunks.size()), 4) + "WAVE" + chunks; }
QByteArray fmt(quint32 tag = 1, quint32 channels = 1, quint32 rate = 8000, quint32 bits = 16, QByteArray extra = {})
{
    const quint32 block = channels * bits / 8;
    return chunk("fmt ",
                 le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * block, 4) + le(block, 2) + le(bits, 2) + extra);
}
const QByteArray Samples(1600, '\x10');  // a tenth of a second at 8 kHz, 16-bit mono
const QByteArray Plain = riff(fmt() + chunk("data", Samples));

bool passes(const QByteArray& wave)
{
    return isPlayableWave({reinterpret_cast<const std::uint8_t*>(wave.constData()), std::size_t(wave.size())});
}

// Files the check lets through, each at an edge of what it allows.
const std::vector<QByteArray> EdgeWaves = {
    riff(fmt(1, 1, 8000, 16, le(0, 2)) + chunk("data", Samples)),                  // a format chunk of 18 bytes
    riff(fmt() + chunk("LIST", QByteArray(16376, 'x')) + chunk("data", Samples)),  // the longest chunk skipped
    riff(chunk("data", Samples) + fmt() + chunk("data", Samples)),                 // samples before the format
    riff(fmt(1, 2, 384000, 8) + chunk("data", Samples + 'x')),                     // 8-bit stereo, the top rate
    Plain + "trailing bytes",
    "RIFF" + le(4, 4) + Plain.mid(8),  // a RIFF chunk shorter than its content
};

TEST(SoundFileTest, OnlyWholeLittleEndianPcmWavesWhoseChunksFitTheFileAndQtsOneSkipPass)
{
    for (const QByteArray& wave : EdgeWaves)
        EXPECT_TRUE(passes(wave)) << wave.left(64).toHex().toStdString();

    const auto be = [](quint32 n, int bytes) {
        QByteArray b = le(n, bytes);
        std::reverse(b.begin(), b.end());
        return b;
    };
    const QByteArray bigEndian = "RIFX" + be(36 + 1600, 4) + "WAVEfmt " + be(16, 4) + be(1, 2) + be(1, 2) + be(8000, 4)
        + be(16000, 4) + be(2, 2) + be(16, 2) + "data" + be(1600, 4) + Samples;  // Plain, big-endian
    const QByteArray data = chunk("data", Samples);
    const std::vector<QByteArray> refused = {
        "",
        "RIFF" + le(0, 4),  // cut off in the header
        riff(""),
        Plain.left(30),                                        // cut off in the format
        Plain.left(Plain.size() - 2),                          // cut off in the samples
        riff(fmt() + "data" + le(0x7ffffff0, 4) + Samples),    // claims 2 GB of samples
        riff(fmt() + chunk("data", "")),                       // no samples
        riff(fmt() + chunk("data", Samples + 'x')),            // half a 16-bit sample
        "RIFF" + le(quint32(Plain.size()), 4) + Plain.mid(8),  // a RIFF chunk longer than the file
        "RIFF" + le(quint32(Plain.size() - 8), 4) + "AVI " + Plain.mid(12),
        bigEndian,
        riff(fmt(3, 1, 8000, 32) + data),                                         // floating point
        riff(fmt(0xfffe, 1, 8000, 16, le(22, 2) + QByteArray(22, '\0')) + data),  // extensible
        riff(fmt(0) + data),                                                      // no format named
        riff(fmt(1, 1, 8000, 24) + chunk("data", QByteArray(2400, 'x'))),
        riff(fmt(1, 1, 8000, 32) + data),
        riff(fmt(1, 1, 8000, 12) + data),
        riff(fmt(1, 0) + data),
        riff(fmt(1, 3, 8000, 8) + chunk("data", QByteArray(2400, 'x'))),
        riff(fmt(1, 1, 0) + data),
        riff(fmt(1, 1, 4'000'000'000u) + data),                      // a negative rate to Qt
        riff(chunk("fmt ", fmt().mid(8, 14)) + data),                // a format chunk too short
        riff(chunk("fmt ", fmt().mid(8) + 'x') + '\0' + data),       // of odd size
        riff(fmt() + chunk("LIST", QByteArray(16378, 'x')) + data),  // too long to skip at once
        riff(fmt() + chunk("LIST", "odd") + '\0' + data),            // of odd size: Qt 6.4 skips no pad byte
        riff(fmt() + chunk("LIST", "odd") + data),                   // nor does the file have one
        riff(fmt()),
        riff(data),
        riff(data + fmt()),  // samples only before the format
    };
    for (std::size_t i = 0; i < refused.size(); ++i)
        EXPECT_FALSE(passes(refused[i])) << "case " << i;
}

// The sound bank on files in a temporary app folder.
struct SoundBankTest : ::testing::Test {
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // Until no sound is loading, which runs in the background.
    static void waitForLoading(const SoundBank& bank)
    {
        const auto loading = [&] {
            for (int i = 0; i < SoundBank::Count; ++i)
                if (bank.status(i) == QSoundEffect::Loading)
                    return true;
            return false;
        };
        for (QDeadlineTimer limit(10000); loading() && !limit.hasExpired();)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QTemporaryDir dir;
};

TEST_F(SoundBankTest, EachSoundHasItsFileAndEveryWaveTheCheckPassesIsLoadedToItsEnd)
{
    // Sound i is the cue of command i; petting is 3. Written from the sound table, not from the code.
    const char* const waves[SoundBank::Count] = {"uta.wav", "odori.wav", "hirou.wav", "ai.wav"};
    for (int i = 0; i < SoundBank::Count; ++i)
        EXPECT_EQ(SoundBank::fileName(i), waves[i]);

    for (std::size_t first = 0; first < EdgeWaves.size(); first += SoundBank::Count) {
        for (std::size_t i = 0; i < SoundBank::Count; ++i)
            write(waves[i], EdgeWaves[(first + i) % EdgeWaves.size()]);
        SoundBank bank(dir.path() + "/");
        waitForLoading(bank);
        for (int i = 0; i < SoundBank::Count; ++i)
            EXPECT_EQ(bank.status(i), QSoundEffect::Ready) << "edge wave " << (first + i) % EdgeWaves.size();
        bank.close();
    }
}

TEST_F(SoundBankTest, MissingCutOffLyingAndSpecialFilesAreSilentAndClosingReleasesEverySound)
{
    write("uta.wav", "");
    write("odori.wav", Plain);
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("hirou.wav")).constData(), 0600), 0);  // no one ever writes
    write("ai.wav", riff(fmt() + "data" + le(0x7ffffff0, 4) + Samples));
    SoundBank bank(dir.path() + "/");
    waitForLoading(bank);
    for (int i = 0; i < SoundBank::Count; ++i)
        EXPECT_EQ(bank.status(i), i == 1 ? QSoundEffect::Ready : QSoundEffect::Null) << i;
    for (int i = -1; i <= SoundBank::Count; ++i)
        bank.play(i);  // nothing to hear, nothing to fail
    bank.close();
    for (int i = 0; i < SoundBank::Count; ++i)
        EXPECT_EQ(bank.status(i), QSoundEffect::Null) << i;
    bank.play(1);
}

TEST_F(SoundBankTest, TheProgramPlaysThroughTheSoundModuleAndWithoutItIsSilent)
{
    for (int i = 0; i < SoundBank::Count; ++i)
        write(SoundBank::fileName(i), EdgeWaves[0]);
    const QString appPath = dir.path() + "/";
    const auto sounds = openSounds(appPath, qEnvironmentVariable("MOKOPI_APP_DIR") + "/");
    for (int i = 0; i < SoundBank::Count; ++i)
        EXPECT_TRUE(sounds->plays(i)) << i;
    sounds->close();
    EXPECT_FALSE(sounds->isOpen() || sounds->plays(0));

    const auto silent = openSounds(appPath, dir.path() + "/no-module-here/");
    EXPECT_TRUE(silent->isOpen());
    for (int i = 0; i < SoundBank::Count; ++i)
        EXPECT_FALSE(silent->plays(i)) << i;
    silent->play(0);
    silent->close();
    EXPECT_FALSE(silent->isOpen());
}

}  // namespace mokopi::testing
