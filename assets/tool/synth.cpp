// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A tiny synthesizer: each note is one oscillator with an envelope, summed
// into a mono buffer, faded at the ends and scaled to a common loudness.
#include "synth.h"

#include "recipe.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QtEndian>
#include <QtMath>

#include <algorithm>

namespace art {

namespace {

double oscillator(const QString& wave, double phase, double t, unsigned& noise)
{
    const double x = phase - std::floor(phase);  // 0..1
    if (wave == "sine")
        return std::sin(2 * M_PI * x);
    if (wave == "triangle")
        return 1 - 4 * std::abs(x - 0.5);
    if (wave == "square") {
        // Odd harmonics only up to the 7th: round, not buzzy.
        double s = 0;
        for (int n = 1; n <= 7; n += 2)
            s += std::sin(2 * M_PI * n * x) / n;
        return s * 0.9;
    }
    if (wave == "bell") {
        // Inharmonic partials that die away faster the higher they are.
        const double ratios[] = {1.0, 2.76, 5.4, 8.93};
        const double gains[] = {1.0, 0.5, 0.25, 0.12};
        double s = 0;
        for (int i = 0; i < 4; ++i)
            s += gains[i] * std::sin(2 * M_PI * ratios[i] * phase) * std::exp(-t * (2 + 6 * i));
        return s * 0.6;
    }
    if (wave == "pluck") {
        double s = 0;
        for (int n = 1; n <= 5; ++n)
            s += std::sin(2 * M_PI * n * x) / n * std::exp(-t * 10 * (n - 1));
        return s * 0.8;
    }
    if (wave == "breath") {
        noise = noise * 1664525u + 1013904223u;
        return ((noise >> 8) / double(1u << 24) * 2 - 1) * 0.5 + 0.5 * std::sin(2 * M_PI * x);
    }
    return std::nan("");
}

void addNote(std::vector<double>& out, int rate, Layer& n)
{
    const QString wave = n.kind();
    const double at = n.num("at", 0), len = n.num("len", 0.2), gain = n.num("gain", 1);
    const double attack = n.num("attack", 0.01), release = n.num("release", 0.05), decay = n.num("decay", 0);
    const double vibrato = n.num("vibrato", 0), vibratoRate = n.num("vibrato_rate", 5.5);
    const double f0 = pitchHz(n.text("pitch", "A4"));
    const double f1 = pitchHz(n.text("glide_to", n.text("pitch", "A4")));
    const double smooth = n.num("smooth", 0);
    n.checkAllRead();

    const size_t first = size_t(at * rate), count = size_t(len * rate);
    if (first + count > out.size())
        n.fail("ends after the cue");
    if (attack + release > len)
        n.fail("attack and release are longer than the note");
    double phase = 0, low = 0;
    unsigned noise = 12345;
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        const double k = t / len;
        // Glide on a curve so the pitch falls or rises smoothly, like a voice.
        double f = f0 * std::pow(f1 / f0, k * k * (3 - 2 * k));
        f *= std::pow(2.0, vibrato / 12 * std::sin(2 * M_PI * vibratoRate * t) * std::min(1.0, t / 0.15));
        phase += f / rate;
        double s = oscillator(wave, phase, t, noise);
        if (std::isnan(s))
            n.fail("unknown wave");
        if (smooth > 0) {  // one-pole low-pass: softens the breath noise
            low += (s - low) * (1 - smooth);
            s = low;
        }
        double env = 1;
        if (t < attack)
            env = 0.5 - 0.5 * std::cos(M_PI * t / attack);
        if (t > len - release)
            env *= 0.5 - 0.5 * std::cos(M_PI * (len - t) / release);
        env *= std::exp(-decay * t);
        out[first + i] += gain * env * s;
    }
}

}  // namespace

double pitchHz(const QString& name)
{
    static const QRegularExpression re("^([A-G])([#b]?)(-?\\d)$");
    const auto m = re.match(name);
    if (!m.hasMatch())
        throw RecipeError("not a pitch: \"" + name.toStdString() + "\"");
    static const int steps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G from C
    int semis = steps[m.captured(1).at(0).unicode() - 'A'];
    if (m.captured(2) == "#")
        ++semis;
    else if (m.captured(2) == "b")
        --semis;
    const int midi = 12 * (m.captured(3).toInt() + 1) + semis;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

Cue synthesize(const QString& recipePath)
{
    QFile file(recipePath);
    if (!file.open(QIODevice::ReadOnly))
        throw RecipeError("cannot read " + recipePath.toStdString());
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll(), &error).object();
    if (error.error != QJsonParseError::NoError)
        throw RecipeError(recipePath.toStdString() + ": " + error.errorString().toStdString());
    for (auto it = root.begin(); it != root.end(); ++it)
        if (it.key() != "rate" && it.key() != "length" && it.key() != "notes" && it.key() != "note")
            throw RecipeError(recipePath.toStdString() + ": unknown key \"" + it.key().toStdString() + "\"");

    Cue cue;
    cue.rate = root.value("rate").toInt(22050);
    if (cue.rate != 22050 && cue.rate != 44100)
        throw RecipeError(recipePath.toStdString() + ": rate must be 22050 or 44100");
    const double length = root.value("length").toDouble(0);
    if (length <= 0 || length >= 1)
        throw RecipeError(recipePath.toStdString() + ": length must be under one second");
    cue.samples.assign(size_t(length * cue.rate), 0.0);
    const QJsonArray notes = root.value("notes").toArray();
    for (int i = 0; i < notes.size(); ++i) {
        Layer note(notes[i].toObject(), 0, 1, QString("%1: note %2").arg(recipePath).arg(i + 1), "wave");
        addNote(cue.samples, cue.rate, note);
    }
    fadeEnds(cue, 0.004, 0.02);
    normalise(cue, recipePath);
    return cue;
}

void fadeEnds(Cue& cue, double fadeIn, double fadeOut)
{
    const size_t n = cue.samples.size();
    const size_t in = std::min(n, size_t(fadeIn * cue.rate)), out = std::min(n, size_t(fadeOut * cue.rate));
    for (size_t i = 0; i < in; ++i)
        cue.samples[i] *= double(i) / in;
    for (size_t i = 0; i < out; ++i)
        cue.samples[n - 1 - i] *= double(i) / out;
}

double rms(const std::vector<double>& samples)
{
    double sum = 0;
    for (double s : samples)
        sum += s * s;
    return samples.empty() ? 0 : std::sqrt(sum / samples.size());
}

void normalise(Cue& cue, const QString& what)
{
    const double level = rms(cue.samples);
    if (level <= 0)
        throw RecipeError(what.toStdString() + ": silent");
    double peak = 0;
    for (double& s : cue.samples) {
        s *= TargetRms / level;
        peak = std::max(peak, std::abs(s));
    }
    if (peak > PeakCeiling)
        throw RecipeError(what.toStdString() + ": peaks reach " + std::to_string(peak)
                          + " at the common loudness; make the cue more even");
}

QByteArray wavBytes(const Cue& cue)
{
    const quint32 dataBytes = quint32(cue.samples.size() * 2);
    QByteArray out;
    auto u32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto u16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF");
    u32(36 + dataBytes);
    out.append("WAVEfmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(quint32(cue.rate));
    u32(quint32(cue.rate) * 2);
    u16(2);
    u16(16);
    out.append("data");
    u32(dataBytes);
    for (double s : cue.samples)
        u16(quint16(qint16(std::lround(std::clamp(s, -1.0, 1.0) * 32767))));
    return out;
}

}  // namespace art
