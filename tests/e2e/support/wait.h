#pragma once

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace mokopi::e2e {

// Generous: the machine may be busy with other builds. A wait that passes
// returns as soon as its condition holds.
inline constexpr std::chrono::milliseconds PatientWait{20000};

// Polls `done()` until it holds (true) or the time is up (false).
template <typename Condition>
bool holdsWithin(std::chrono::milliseconds limit, Condition done)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// As holdsWithin, but throws, naming what it waited for, when the time is
// up. A test that throws fails with that message.
template <typename Condition>
void waitUntil(const std::string& what, Condition done, std::chrono::milliseconds limit = PatientWait)
{
    if (!holdsWithin(limit, done))
        throw std::runtime_error("gave up waiting for " + what);
}

}  // namespace mokopi::e2e
