// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws on the screen in DISPLAY in a known way, for the tests of the
// start-up watcher. It prints its process id first.
//   screen_painter never | late | flicker | crash | box
//   never    draws nothing
//   late     a red window at once, blue 400 ms later, then nothing
//   flicker  red and blue in turn, every 100 ms, for ever
//   crash    a red window, then ends with status 3 after 100 ms
//   box      a red window with a blue dialog box over it
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include <unistd.h>

namespace {

constexpr unsigned long Red = 0xff0000, Blue = 0x0000ff;

void paint(Display* display, Window window, unsigned long colour)
{
    XSetWindowBackground(display, window, colour);
    XClearWindow(display, window);
    XFlush(display);
}

void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace

int main(int argc, char* argv[])
{
    std::printf("%d\n", static_cast<int>(getpid()));
    std::fflush(stdout);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "never")
        for (;;)
            pause();
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return 1;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 10, 10, 200, 200, 0, 0, Red);
    XMapWindow(display, window);
    XFlush(display);
    if (mode == "box") {
        const Window box = XCreateSimpleWindow(display, DefaultRootWindow(display), 60, 60, 80, 40, 0, 0, Blue);
        XSetTransientForHint(display, box, window);
        XMapWindow(display, box);
        XFlush(display);
    }
    if (mode == "crash") {
        sleepMs(100);
        XCloseDisplay(display);
        return 3;
    }
    if (mode == "late") {
        sleepMs(400);
        paint(display, window, Blue);
    }
    for (bool red = false; mode == "flicker"; red = !red) {
        sleepMs(100);
        paint(display, window, red ? Red : Blue);
    }
    for (;;)
        pause();
}
