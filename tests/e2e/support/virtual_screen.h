// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <QStringList>

#include <string>
#include <vector>

#include "support/program.h"

using Display = struct _XDisplay;

namespace mokopi::e2e {

// A top-level window as the X server sees it. Under Xvfb there is no window
// manager: windows sit where the program puts them, with no frame.
struct ScreenWindow {
    unsigned long id = 0;
    QRect geometry;
    bool isBox = false;   // a dialog over another window
    bool isMenu = false;  // placed by the program itself: a menu (the tests leave no tool tip)
};

// An X server of the test's own (1366 x 768), with the player's mouse and
// keyboard through xdotool. Xvfb picks a free display number itself, so
// tests and other programs on the machine never collide.
class VirtualScreen {
public:
    VirtualScreen();
    ~VirtualScreen();
    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;

    // ":N", for DISPLAY.
    const QString& name() const { return name_; }
    // The pixels of an area, as the player sees them.
    QImage grab(const QRect& area) const;
    // The mapped top-level windows, bottom to top.
    std::vector<ScreenWindow> windows() const;

    // Returns once the X server has the events; the program handles them later.
    void xdotool(const QStringList& arguments) const;
    // Any text, Japanese too.
    void type(const std::string& utf8) const;

private:
    Program server_;
    QString name_;
    Display* display_ = nullptr;
};

}  // namespace mokopi::e2e
