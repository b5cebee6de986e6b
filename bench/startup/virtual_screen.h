// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

#include "child_process.h"

namespace mokopi::bench {

// An X server of its own (Xvfb on a display it picks itself), with or
// without a window manager (openbox) on it. Both end with this object.
class VirtualScreen {
public:
    // Throws when either does not start within a few seconds. logFile takes
    // what they print.
    VirtualScreen(int width, int height, bool windowManager, const std::string& logFile);

    // ":N", for DISPLAY.
    const std::string& name() const { return name_; }

private:
    std::unique_ptr<ChildProcess> server_;
    std::string name_;
    std::unique_ptr<ChildProcess> windowManager_;
};

}  // namespace mokopi::bench
