// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "virtual_screen.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace mokopi::bench {

namespace {

constexpr int StartMs = 10000;

// Xvfb writes the number of its display on this pipe once it accepts
// connections.
std::string readDisplayNumber(int fd, ChildProcess& server)
{
    std::string number;
    char c = 0;
    pollfd ready{fd, POLLIN, 0};
    while (poll(&ready, 1, StartMs) > 0 && read(fd, &c, 1) == 1 && c != '\n')
        number += c;
    if (c != '\n' || server.hasEnded())
        throw std::runtime_error("Xvfb did not start");
    return number;
}

// An EWMH window manager names its own window on the root once it runs.
bool managesWindows(Display* display)
{
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* value = nullptr;
    XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                       &left, &value);
    if (value != nullptr)
        XFree(value);
    return count == 1;
}

}  // namespace

VirtualScreen::VirtualScreen(int width, int height, bool windowManager, const std::string& logFile)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe");
    // Only the write end goes to Xvfb.
    fcntl(pipeFds[1], F_SETFD, 0);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    server_ = std::make_unique<ChildProcess>(Launch{
        {"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0", screen, "-nolisten", "tcp", "-noreset"},
        {},
        logFile});
    close(pipeFds[1]);
    try {
        name_ = std::string(":").append(readDisplayNumber(pipeFds[0], *server_));
    } catch (...) {
        close(pipeFds[0]);
        throw;
    }
    close(pipeFds[0]);
    if (!windowManager)
        return;

    windowManager_ = std::make_unique<ChildProcess>(Launch{{"openbox"}, {"DISPLAY=" + name_}, logFile});
    Display* display = XOpenDisplay(name_.c_str());
    if (display == nullptr)
        throw std::runtime_error("cannot connect to " + name_);
    bool running = false;
    for (int waited = 0; !running && waited < StartMs && !windowManager_->hasEnded(); waited += 20) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        running = managesWindows(display);
    }
    XCloseDisplay(display);
    if (!running)
        throw std::runtime_error("openbox did not start");
}

}  // namespace mokopi::bench
