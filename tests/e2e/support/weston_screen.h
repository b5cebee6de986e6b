// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "support/program.h"

namespace mokopi::e2e {

// A Wayland compositor of the test's own: weston on its headless backend,
// drawing into memory with no X server and no screen, its socket in a
// runtime folder of its own. The desktop is one plain colour with no panel,
// so that whatever a program draws stands out.
class WestonScreen {
public:
    static inline const QColor Desktop{16, 32, 48};

    WestonScreen();

    // What a program needs to draw here: this runtime folder and socket, and
    // no X display.
    QProcessEnvironment environment() const;
    // The whole screen, as weston has composed it.
    QImage grab() const;

private:
    QTemporaryDir runtime_;  // made 0700, as Wayland asks of XDG_RUNTIME_DIR
    Program compositor_;
};

}  // namespace mokopi::e2e
