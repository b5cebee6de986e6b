#pragma once

#include <array>
#include <string>

namespace mokopi::e2e {

// The one record of mokopi.dat, read by the tests' own small reader rather
// than the game's: what the file says, not what the game thinks it wrote.
// Names stay in the file's bytes (code page 932).
struct SavedGame {
    std::string owner, pet;
    int affection = 0, song = 0, dance = 0, fatigue = 0, hour = 0, day = 0;
    std::array<bool, 9> cleared{};
    bool started = true;

    int hoursPlayed() const { return day * 24 + hour; }
    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

// Throws std::runtime_error for anything but one well-formed record.
SavedGame readSavedGame(const std::string& bytes);
std::string savedGameBytes(const SavedGame& game);

}  // namespace mokopi::e2e
