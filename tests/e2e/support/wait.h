// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace mokopi::e2e {

// Generous: the machine may be busy with other builds. A wait that passes
// returns as soon as its condition holds.
inline constexpr std::chrono::milliseconds PatientWait{20000};

// Polls `done()` until it holds; throws, naming what it waited for, when the
// time is up. A test that throws fails with that message.
template <typename Condition> void waitUntil(const std::string& what, Condition done)
{
    const auto deadline = std::chrono::steady_clock::now() + PatientWait;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("gave up waiting for " + what);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace mokopi::e2e
