// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/virtual_screen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <stdexcept>

#include "support/wait.h"

namespace mokopi::e2e {

VirtualScreen::VirtualScreen()
    : server_(startProgram("Xvfb", {"-displayfd", "1", "-screen", "0", "1366x768x24", "-nolisten", "tcp", "-noreset"}))
{
    // Xvfb writes the number of the display it took once it accepts connections.
    while (!server_->canReadLine())
        if (!server_->waitForReadyRead(static_cast<int>(PatientWait.count())))
            throw std::runtime_error("Xvfb did not start");
    name_ = ":" + QString::fromLatin1(server_->readLine()).trimmed();
    // A window may vanish between listing and asking about it; Xlib's
    // default handler would end the test program for that.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    display_ = XOpenDisplay(name_.toLatin1().constData());
    if (display_ == nullptr)
        throw std::runtime_error("cannot connect to " + name_.toStdString());
}

VirtualScreen::~VirtualScreen()
{
    if (display_ != nullptr)
        XCloseDisplay(display_);
}

QImage VirtualScreen::grab(const QRect& area) const
{
    XImage* image =
        XGetImage(display_, DefaultRootWindow(display_), area.x(), area.y(), static_cast<unsigned>(area.width()),
                  static_cast<unsigned>(area.height()), AllPlanes, ZPixmap);
    if (image == nullptr)
        throw std::runtime_error("cannot read the screen");
    // Depth 24 in 32-bit little-endian pixels: QImage's RGB32.
    const QImage shot = QImage(reinterpret_cast<const uchar*>(image->data), area.width(), area.height(),
                               image->bytes_per_line, QImage::Format_RGB32)
                            .copy();
    XDestroyImage(image);
    return shot;
}

std::vector<ScreenWindow> VirtualScreen::windows() const
{
    std::vector<ScreenWindow> result;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count))
        return result;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes a{};
        Window owner = 0;
        if (!XGetWindowAttributes(display_, children[i], &a) || a.map_state != IsViewable || a.c_class != InputOutput)
            continue;
        const bool isMenu = a.override_redirect;
        const bool isBox = !isMenu && XGetTransientForHint(display_, children[i], &owner);
        result.push_back({children[i], QRect(a.x, a.y, a.width, a.height), isBox, isMenu});
    }
    if (children != nullptr)
        XFree(children);
    return result;
}

void VirtualScreen::xdotool(const QStringList& arguments) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", name_);
    if (runProgram("xdotool", arguments, environment)->exitCode() != 0)
        throw std::runtime_error("xdotool " + arguments.join(' ').toStdString() + " failed");
}

// Gives every character a key of its own before typing: xdotool would
// otherwise change the keyboard map between keys, and a program slow to
// follow the change reads the wrong letter.
void VirtualScreen::type(const std::string& utf8) const
{
    int first = 0, last = 0, perKey = 0;
    XDisplayKeycodes(display_, &first, &last);
    KeySym* map = XGetKeyboardMapping(display_, static_cast<KeyCode>(first), last - first + 1, &perKey);
    const auto isFree = [&](int keycode) {
        return std::all_of(map + (keycode - first) * perKey, map + (keycode - first + 1) * perKey,
                           [](KeySym s) { return s == NoSymbol; });
    };
    int spare = last;
    for (const char32_t c : QString::fromStdString(utf8).toStdU32String()) {
        KeySym symbol = c < 0x100 ? c : 0x1000000 | c;
        if (XKeysymToKeycode(display_, symbol) != 0)
            continue;
        while (spare >= first && !isFree(spare))
            --spare;
        if (spare < first)
            throw std::runtime_error("no key left for a character");
        XChangeKeyboardMapping(display_, spare--, 1, &symbol, 1);
    }
    XFree(map);
    XSync(display_, False);
    xdotool({"type", "--delay", "60", QString::fromStdString(utf8)});
}

}  // namespace mokopi::e2e
