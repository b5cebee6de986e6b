// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace mokopi::bench {

// Pixels of the screen or of an area of it, row by row, 32 bits a pixel.
struct Area {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// What the screen showed from a picture taken before the program started,
// through the areas grabbed at each damage report. A program's first frame is
// the earliest report after which the screen already showed its settled
// picture: the one it keeps once the program has nothing more to draw.
class ScreenHistory {
public:
    explicit ScreenHistory(Area initial);

    // The areas grabbed at one report, ms after the start. Returns whether
    // they changed any pixel; a report that changes nothing is not kept.
    bool add(double ms, std::vector<Area> areas);

    const Area& current() const { return current_; }
    // The number of reports kept so far: those that changed the screen.
    std::size_t changeCount() const { return changes_.size(); }
    double lastChangeMs() const { return changes_.empty() ? 0 : changes_.back().ms; }

    // The index, among the kept reports, of the earliest one after which the
    // screen already equalled what it shows now; none when nothing changed.
    std::optional<std::size_t> firstShowingCurrent() const;
    double changeMs(std::size_t index) const { return changes_[index].ms; }

private:
    struct Change {
        double ms;
        std::vector<Area> areas;
    };
    Area initial_;
    Area current_;
    std::vector<Change> changes_;
};

}  // namespace mokopi::bench
