// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timed_start.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include <poll.h>

#include "process_memory.h"

namespace mokopi::bench {

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Waits for a report on the screen, or for the program to end, for at most ms.
void waitForEither(DamageWatch& screen, const ChildProcess* program, double ms)
{
    if (screen.hasReports())
        return;
    pollfd fds[2] = {{screen.fd(), POLLIN, 0}, {program ? program->endFd() : -1, POLLIN, 0}};
    poll(fds, 2, static_cast<int>(std::ceil(std::max(ms, 0.0))));
}

// Lets whatever is still being drawn land, so that a run starts from a still
// screen; a screen that never stills is taken as it is after a few seconds.
void waitUntilStill(DamageWatch& screen, double stillMs)
{
    const Clock::time_point start = Clock::now();
    Clock::time_point lastChange = start;
    while (msSince(lastChange) < stillMs && msSince(start) < 3000) {
        waitForEither(screen, nullptr, stillMs - msSince(lastChange));
        if (!screen.takeChanges().empty())
            lastChange = Clock::now();
    }
}

std::string seconds(double ms)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", ms / 1000);
    return text;
}

std::string giveUpReason(const ScreenHistory& history, const TimingLimits& limits)
{
    if (history.changeCount() == 0)
        return "drew nothing within " + seconds(limits.giveUpMs);
    return "did not settle within " + seconds(limits.giveUpMs) + ": its picture changed at "
        + seconds(history.lastChangeMs());
}

}  // namespace

TimedStart timeStart(DamageWatch& screen, const Launch& program, const TimingLimits& limits)
{
    waitUntilStill(screen, 200);
    const Area before = screen.grabScreen();
    ScreenHistory history(before);
    std::vector<std::vector<std::string>> lateLibraries;  // at each change
    TimedStart result;

    const Clock::time_point start = Clock::now();
    ChildProcess child(program);
    bool memoryRead = false;
    for (;;) {
        const double now = msSince(start);
        if (!memoryRead && now >= limits.memoryAtMs) {
            result.residentKib = residentKib(child.pid());
            memoryRead = true;
        }
        const bool drawn = history.changeCount() > 0;
        const bool settled = drawn && now - history.lastChangeMs() >= limits.settleMs;
        if (settled && memoryRead)
            break;
        if (child.hasEnded()) {
            result.failure = child.howItEnded() + " after " + seconds(now);
            break;
        }
        if (now >= limits.giveUpMs) {
            result.failure = giveUpReason(history, limits);
            break;
        }
        double wake = limits.giveUpMs;
        if (!memoryRead)
            wake = std::min(wake, limits.memoryAtMs);
        if (drawn)
            wake = std::min(wake, history.lastChangeMs() + limits.settleMs);
        waitForEither(screen, &child, wake - now);
        const double reportMs = msSince(start);
        if (history.add(reportMs, screen.takeChanges()))
            lateLibraries.push_back(mappedLibraries(child.pid(), LateLibraries));
    }
    if (result.failure.empty() && screen.showsDialog())
        result.failure = "showed a dialog box";
    child.stop();

    if (result.failure.empty()) {
        const std::size_t first = history.firstShowingCurrent().value();
        result.firstFrameMs = history.changeMs(first);
        result.lateLibrariesAtFirstFrame = lateLibraries[first];
        result.settledPicture = history.current();
    }
    waitUntilStill(screen, 200);
    return result;
}

}  // namespace mokopi::bench
