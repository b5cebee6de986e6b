#include "app_dir.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Wave {
    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0;
    std::vector<double> samples;
};

// Reads a RIFF/WAVE file chunk by chunk, as a media player would.
Wave readWave(const QString& path)
{
    Wave w;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing " << path.toStdString();
        return w;
    }
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("RIFF"));
    EXPECT_EQ(bytes.mid(8, 4), "WAVE");
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 4), quint32(bytes.size() - 8)) << "RIFF size";
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char* body = bytes.constData() + at + 8;
        if (at + 8 + qsizetype(size) > bytes.size()) {
            ADD_FAILURE() << "chunk " << id.toStdString() << " runs past the end";
            break;
        }
        if (id == "fmt ") {
            w.format = qFromLittleEndian<quint16>(body);
            w.channels = qFromLittleEndian<quint16>(body + 2);
            w.rate = qFromLittleEndian<quint32>(body + 4);
            EXPECT_EQ(qFromLittleEndian<quint32>(body + 8), w.rate * 2) << "byte rate";
            EXPECT_EQ(qFromLittleEndian<quint16>(body + 12), 2) << "block align";
            w.bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            for (quint32 i = 0; i + 1 < size; i += 2)
                w.samples.push_back(qFromLittleEndian<qint16>(body + i) / 32768.0);
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

double rms(const std::vector<double>& s)
{
    double sum = 0;
    for (double v : s)
        sum += v * v;
    return std::sqrt(sum / double(s.size()));
}

TEST(Sounds, EachIsAShortCleanPcmCue)
{
    for (const QString& name : soundNames()) {
        SCOPED_TRACE(name.toStdString());
        const Wave w = readWave(appFile(name));
        EXPECT_EQ(w.format, 1) << "PCM";
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << w.rate;
        ASSERT_GT(w.rate, 0u);
        const double seconds = double(w.samples.size()) / w.rate;
        EXPECT_GT(seconds, 0.2);
        EXPECT_LT(seconds, 1.0);
        ASSERT_FALSE(w.samples.empty());
        // Faded in and out: no click when it starts or when it is cut off.
        EXPECT_LT(std::abs(w.samples.front()), 0.01);
        EXPECT_LT(std::abs(w.samples.back()), 0.01);
    }
}

TEST(Sounds, AllPlayEquallyLoudWithHeadroomAndSoundDifferent)
{
    std::vector<Wave> waves;
    for (const QString& name : soundNames())
        waves.push_back(readWave(appFile(name)));
    ASSERT_EQ(waves.size(), 4u);
    const double reference = rms(waves[0].samples);
    for (size_t i = 0; i < waves.size(); ++i) {
        SCOPED_TRACE(soundNames()[int(i)].toStdString());
        ASSERT_FALSE(waves[i].samples.empty());
        EXPECT_NEAR(20 * std::log10(rms(waves[i].samples) / reference), 0.0, 0.5) << "dB from the first cue";
        double peak = 0;
        for (double s : waves[i].samples)
            peak = std::max(peak, std::abs(s));
        EXPECT_LT(peak, 0.75) << "no headroom left";
        EXPECT_GT(peak, 0.1) << "nearly silent";
    }
    // Two cues that correlate strongly would be the same sound twice.
    for (size_t a = 0; a < waves.size(); ++a)
        for (size_t b = a + 1; b < waves.size(); ++b) {
            if (waves[a].rate != waves[b].rate)
                continue;
            const size_t n = std::min(waves[a].samples.size(), waves[b].samples.size());
            double dot = 0, ea = 0, eb = 0;
            for (size_t i = 0; i < n; ++i) {
                dot += waves[a].samples[i] * waves[b].samples[i];
                ea += waves[a].samples[i] * waves[a].samples[i];
                eb += waves[b].samples[i] * waves[b].samples[i];
            }
            EXPECT_LT(std::abs(dot) / std::sqrt(ea * eb), 0.5) << a << " and " << b;
        }
}

// Upward zero crossings per second: a rough pitch for a stretch of a cue.
double crossingsPerSecond(const Wave& w, double from, double to)
{
    const size_t a = size_t(from * double(w.samples.size())), b = size_t(to * double(w.samples.size()));
    int crossings = 0;
    for (size_t i = a + 1; i < b; ++i)
        crossings += w.samples[i - 1] < 0 && w.samples[i] >= 0;
    return crossings / (double(b - a) / w.rate);
}

// How many times the loudness (in 10 ms steps) jumps up sharply: the beats.
int onsets(const Wave& w)
{
    const size_t step = w.rate / 100;
    std::vector<double> level;
    for (size_t i = 0; i + step <= w.samples.size(); i += step)
        level.push_back(rms(std::vector<double>(w.samples.begin() + long(i), w.samples.begin() + long(i + step))));
    int count = 0;
    for (size_t i = 2; i < level.size(); ++i)
        count += level[i] > 2 * level[i - 2] && level[i] > 0.05;
    return count;
}

TEST(Sounds, EachCueHasItsOwnCharacter)
{
    const Wave song = readWave(appFile("uta.wav")), dance = readWave(appFile("odori.wav"));
    const Wave rest = readWave(appFile("hirou.wav")), love = readWave(appFile("ai.wav"));
    for (const Wave* w : {&song, &dance, &rest, &love})
        ASSERT_FALSE(w->samples.empty());
    // The song climbs, the sigh sinks.
    EXPECT_GT(crossingsPerSecond(song, 0.6, 0.9), 1.4 * crossingsPerSecond(song, 0.0, 0.2));
    EXPECT_LT(crossingsPerSecond(rest, 0.7, 0.9), 0.8 * crossingsPerSecond(rest, 0.1, 0.3));
    // The dance is a rhythm of separate hits; the sigh is one breath.
    EXPECT_GE(onsets(dance), 3);
    EXPECT_LE(onsets(rest), 1);
    // The chime sparkles above everything else.
    for (const Wave* w : {&song, &dance, &rest})
        EXPECT_GT(crossingsPerSecond(love, 0.05, 0.6), 1.5 * crossingsPerSecond(*w, 0.05, 0.6));
}

}  // namespace
