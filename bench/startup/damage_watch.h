// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "screen_history.h"

using Display = struct _XDisplay;

namespace mokopi::bench {

// A connection to an X server that hears of every change to the screen
// through the X server's damage reports, and grabs what changed. It runs
// beside the programs it watches, so it keeps its own cost low.
class DamageWatch {
public:
    // Throws when the server cannot be reached or has no DAMAGE extension.
    explicit DamageWatch(const std::string& displayName);
    ~DamageWatch();
    DamageWatch(const DamageWatch&) = delete;
    DamageWatch& operator=(const DamageWatch&) = delete;

    // The connection, to poll() on. Check hasReports() before polling: a
    // report may already have been read from it.
    int fd() const;
    bool hasReports() const;
    // The areas changed since the last call, grabbed now; none when nothing
    // was reported.
    std::vector<Area> takeChanges();
    Area grabScreen() const;
    // Whether a dialog box is on the screen: a mapped window that belongs to
    // another, with or without a window manager's frame around it.
    bool showsDialog() const;

private:
    Area grab(int x, int y, int width, int height) const;

    struct SharedMemory;

    Display* display_ = nullptr;
    unsigned long damage_ = 0;
    unsigned long changedRegion_ = 0;
    int damageEvent_ = 0;
    // Memory shared with the server, as large as the screen: a grab costs
    // the server one copy instead of a trip through the socket.
    std::unique_ptr<SharedMemory> shared_;
};

}  // namespace mokopi::bench
