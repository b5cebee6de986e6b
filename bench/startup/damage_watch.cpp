// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "damage_watch.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>

#include <cstring>
#include <stdexcept>

#include <sys/ipc.h>
#include <sys/shm.h>

namespace mokopi::bench {

struct DamageWatch::SharedMemory {
    XShmSegmentInfo segment{};
};

DamageWatch::DamageWatch(const std::string& displayName)
{
    display_ = XOpenDisplay(displayName.c_str());
    if (display_ == nullptr)
        throw std::runtime_error("cannot connect to the X server " + displayName);
    int damageError = 0, fixesEvent = 0, fixesError = 0;
    if (!XDamageQueryExtension(display_, &damageEvent_, &damageError)
        || !XFixesQueryExtension(display_, &fixesEvent, &fixesError)) {
        XCloseDisplay(display_);
        throw std::runtime_error("the X server " + displayName + " has no DAMAGE or XFIXES extension");
    }
    // A window that goes away while it is being grabbed is no reason to end.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    // Damage on the root window covers everything drawn on the screen. One
    // report comes when the damage stops being empty; taking it empties it.
    damage_ = XDamageCreate(display_, DefaultRootWindow(display_), XDamageReportNonEmpty);
    changedRegion_ = XFixesCreateRegion(display_, nullptr, 0);
    XSync(display_, False);

    if (!XShmQueryExtension(display_))
        return;
    const int screen = DefaultScreen(display_);
    auto shared = std::make_unique<SharedMemory>();
    XShmSegmentInfo& segment = shared->segment;
    segment.shmid = shmget(IPC_PRIVATE,
                           static_cast<std::size_t>(DisplayWidth(display_, screen)) * 4
                               * static_cast<std::size_t>(DisplayHeight(display_, screen)),
                           IPC_CREAT | 0600);
    if (segment.shmid < 0)
        return;
    segment.shmaddr = static_cast<char*>(shmat(segment.shmid, nullptr, 0));
    segment.readOnly = False;
    const bool attached = segment.shmaddr != reinterpret_cast<char*>(-1) && XShmAttach(display_, &segment);
    XSync(display_, False);
    // Removed now, the segment goes once both sides have let go of it.
    shmctl(segment.shmid, IPC_RMID, nullptr);
    if (attached)
        shared_ = std::move(shared);
}

DamageWatch::~DamageWatch()
{
    if (shared_) {
        XShmDetach(display_, &shared_->segment);
        shmdt(shared_->segment.shmaddr);
    }
    XFixesDestroyRegion(display_, changedRegion_);
    XDamageDestroy(display_, damage_);
    XCloseDisplay(display_);
}

int DamageWatch::fd() const { return ConnectionNumber(display_); }

bool DamageWatch::hasReports() const { return XPending(display_) > 0; }

std::vector<Area> DamageWatch::takeChanges()
{
    bool reported = false;
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        reported = reported || event.type == damageEvent_ + XDamageNotify;
    }
    if (!reported)
        return {};
    XDamageSubtract(display_, damage_, None, changedRegion_);
    int count = 0;
    XRectangle* rectangles = XFixesFetchRegion(display_, changedRegion_, &count);
    std::vector<Area> areas;
    for (int i = 0; i < count; ++i)
        areas.push_back(grab(rectangles[i].x, rectangles[i].y, rectangles[i].width, rectangles[i].height));
    if (rectangles != nullptr)
        XFree(rectangles);
    return areas;
}

Area DamageWatch::grabScreen() const
{
    const int screen = DefaultScreen(display_);
    return grab(0, 0, DisplayWidth(display_, screen), DisplayHeight(display_, screen));
}

bool DamageWatch::showsDialog() const
{
    const auto children = [this](Window parent) {
        Window root = 0, grandparent = 0;
        Window* list = nullptr;
        unsigned int count = 0;
        std::vector<Window> result;
        if (XQueryTree(display_, parent, &root, &grandparent, &list, &count) && list != nullptr) {
            result.assign(list, list + count);
            XFree(list);
        }
        return result;
    };
    const auto isDialog = [this](Window window) {
        XWindowAttributes attributes{};
        Window owner = 0;
        return XGetWindowAttributes(display_, window, &attributes) && attributes.map_state == IsViewable
            && XGetTransientForHint(display_, window, &owner);
    };
    // A window manager puts each window into a frame of its own.
    for (Window top : children(DefaultRootWindow(display_))) {
        if (isDialog(top))
            return true;
        for (Window framed : children(top))
            if (isDialog(framed))
                return true;
    }
    return false;
}

Area DamageWatch::grab(int x, int y, int width, int height) const
{
    Area area{x, y, width, height, {}};
    XImage* image = nullptr;
    if (shared_) {
        const int screen = DefaultScreen(display_);
        image = XShmCreateImage(
            display_, DefaultVisual(display_, screen), static_cast<unsigned>(DefaultDepth(display_, screen)), ZPixmap,
            shared_->segment.shmaddr, &shared_->segment, static_cast<unsigned>(width), static_cast<unsigned>(height));
        if (image != nullptr && !XShmGetImage(display_, DefaultRootWindow(display_), image, x, y, AllPlanes)) {
            image->data = nullptr;  // the shared memory is not the image's to free
            XDestroyImage(image);
            image = nullptr;
        }
    } else {
        image = XGetImage(display_, DefaultRootWindow(display_), x, y, static_cast<unsigned>(width),
                          static_cast<unsigned>(height), AllPlanes, ZPixmap);
    }
    if (image == nullptr)
        return {x, y, 0, 0, {}};
    area.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    // Grabs happen while the program starts, so rows are copied whole where
    // the server's pixels are 32 bits; the byte beyond the colour is noise.
    for (int row = 0; row < height; ++row) {
        std::uint32_t* to = area.pixels.data() + static_cast<std::ptrdiff_t>(row) * width;
        if (image->bits_per_pixel == 32)
            std::memcpy(to, image->data + static_cast<std::ptrdiff_t>(row) * image->bytes_per_line,
                        static_cast<std::size_t>(width) * 4);
        else
            for (int column = 0; column < width; ++column)
                to[column] = static_cast<std::uint32_t>(XGetPixel(image, column, row));
        for (int column = 0; column < width; ++column)
            to[column] &= 0xffffffu;
    }
    if (shared_)
        image->data = nullptr;
    XDestroyImage(image);
    return area;
}

}  // namespace mokopi::bench
