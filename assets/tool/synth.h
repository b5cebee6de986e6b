// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace art {

// Every cue is scaled to this loudness (RMS over the whole cue) so the four
// sounds play equally loud; its peaks must stay under the ceiling.
constexpr double TargetRms = 0.1;      // -20 dBFS
constexpr double PeakCeiling = 0.708;  // -3 dBFS

struct Cue {
    int rate = 22050;
    std::vector<double> samples;  // -1 .. 1
};

// A frequency in Hz from "A4", "C#5", "Bb3"; throws RecipeError otherwise.
double pitchHz(const QString& name);

// Reads a sound recipe: {"rate": 22050, "length": 0.6, "notes": [...]}.
Cue synthesize(const QString& recipePath);

// Short fades at both ends, so the cue starts and stops without a click.
void fadeEnds(Cue& cue, double fadeIn, double fadeOut);
// Scales to TargetRms; throws RecipeError when a peak would pass the ceiling.
void normalise(Cue& cue, const QString& what);

double rms(const std::vector<double>& samples);

// 16-bit PCM mono RIFF/WAVE.
QByteArray wavBytes(const Cue& cue);

}  // namespace art
