// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "child_process.h"
#include "damage_watch.h"

namespace mokopi::bench {

struct TimingLimits {
    double memoryAtMs = 3000;  // when VmRSS is read
    double settleMs = 1000;    // a picture unchanged this long has settled
    double giveUpMs = 15000;   // a program that has not settled by then fails
};

// Libraries that the first frame should not wait for.
inline const std::vector<std::string> LateLibraries = {"libQt6Multimedia", "libpulse", "libQt6Network"};

struct TimedStart {
    std::string failure;       // why there are no figures; empty when there are
    double firstFrameMs = -1;  // from the fork
    long residentKib = -1;     // at memoryAtMs
    std::vector<std::string> lateLibrariesAtFirstFrame;
    Area settledPicture;
};

// Starts a program on the watched screen and times it, from the fork to the
// first frame that equals its settled picture. When this returns the
// program has ended and the screen is still again.
TimedStart timeStart(DamageWatch& screen, const Launch& program, const TimingLimits& limits = {});

}  // namespace mokopi::bench
