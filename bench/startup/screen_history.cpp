// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen_history.h"

#include <algorithm>

namespace mokopi::bench {

namespace {

// Copies area into screen; returns whether that changed a pixel. Parts of
// the area off the screen are left out.
bool paint(Area& screen, const Area& area)
{
    const int left = std::max(area.x, 0), right = std::min(area.x + area.width, screen.width);
    const int top = std::max(area.y, 0), bottom = std::min(area.y + area.height, screen.height);
    bool changed = false;
    for (int y = top; y < bottom; ++y) {
        const auto from = area.pixels.begin() + (static_cast<std::ptrdiff_t>(y - area.y) * area.width + left - area.x);
        const auto to = screen.pixels.begin() + (static_cast<std::ptrdiff_t>(y) * screen.width + left);
        if (!std::equal(from, from + (right - left), to)) {
            std::copy(from, from + (right - left), to);
            changed = true;
        }
    }
    return changed;
}

}  // namespace

ScreenHistory::ScreenHistory(Area initial) : initial_(std::move(initial)), current_(initial_) {}

bool ScreenHistory::add(double ms, std::vector<Area> areas)
{
    bool changed = false;
    for (const Area& area : areas)
        changed = paint(current_, area) || changed;
    if (changed)
        changes_.push_back({ms, std::move(areas)});
    return changed;
}

std::optional<std::size_t> ScreenHistory::firstShowingCurrent() const
{
    Area screen = initial_;
    for (std::size_t i = 0; i < changes_.size(); ++i) {
        for (const Area& area : changes_[i].areas)
            paint(screen, area);
        if (screen.pixels == current_.pixels)
            return i;
    }
    return std::nullopt;
}

}  // namespace mokopi::bench
