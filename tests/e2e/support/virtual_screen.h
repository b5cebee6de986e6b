#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/child_process.h"

using Display = struct _XDisplay;

namespace mokopi::e2e {

// A top-level window as the X server sees it. Under Xvfb there is no window
// manager: windows sit where the program puts them, with no frame.
struct ScreenWindow {
    unsigned long id = 0;
    std::string title;  // _NET_WM_NAME, UTF-8
    QRect geometry;
    // What the program says the window is, most specific first: "NORMAL",
    // "DIALOG", "DROPDOWN_MENU", "TOOLTIP" ... (_NET_WM_WINDOW_TYPE).
    std::vector<std::string> types;
    // Placed by the program itself, past any window manager: menus, tool tips.
    bool overrideRedirect = false;

    bool is(const std::string& type) const { return std::find(types.begin(), types.end(), type) != types.end(); }
    bool isMenu() const { return overrideRedirect && !is("TOOLTIP"); }
    bool isDialog() const { return is("DIALOG"); }
    bool isNormal() const { return !overrideRedirect && !types.empty() && types.front() == "NORMAL"; }
};

// An X server of the test's own. Xvfb picks a free display number itself
// (-displayfd), so tests and other programs on the machine never collide.
class VirtualScreen {
public:
    explicit VirtualScreen(QSize size = {1366, 768}, const std::string& logFile = {});
    ~VirtualScreen();
    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;

    // ":N", for DISPLAY.
    const std::string& name() const { return name_; }

    // The pixels of an area of the screen, as the player sees them.
    QImage grab(const QRect& area) const;

    // The mapped top-level windows, bottom to top.
    std::vector<ScreenWindow> windows() const;

    // Gives every character of the text a key of its own, so that typing
    // needs no change of the keyboard map while a program reads the keys:
    // a program that is slow to follow such a change reads the wrong letter.
    void addKeysFor(const std::string& utf8) const;

private:
    QSize size_;
    std::unique_ptr<ChildProcess> server_;
    std::string name_;
    Display* display_ = nullptr;
};

}  // namespace mokopi::e2e
