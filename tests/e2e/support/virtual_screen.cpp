#include "support/virtual_screen.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <unistd.h>

#include <QString>

#include <stdexcept>

namespace mokopi::e2e {

namespace {

// Reads the display number Xvfb writes once it accepts connections.
std::string readDisplayNumber(int fd, std::chrono::milliseconds limit)
{
    std::string number;
    pollfd p{fd, POLLIN, 0};
    char c = 0;
    while (poll(&p, 1, static_cast<int>(limit.count())) > 0 && read(fd, &c, 1) == 1 && c != '\n')
        number += c;
    if (number.empty())
        throw std::runtime_error("Xvfb did not start");
    return ":" + number;
}

// A property of a window: its bytes and how many items of its format.
struct Property {
    unsigned char* data = nullptr;
    unsigned long count = 0;
    Property(Display* display, Window window, const char* name, Atom type)
    {
        Atom actual = None;
        int format = 0;
        unsigned long after = 0;
        if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False, type, &actual,
                               &format, &count, &after, &data)
            != Success)
            data = nullptr, count = 0;
    }
    ~Property()
    {
        if (data != nullptr)
            XFree(data);
    }
};

std::string windowTitle(Display* display, Window window)
{
    const Property name(display, window, "_NET_WM_NAME", XInternAtom(display, "UTF8_STRING", False));
    return name.data ? std::string(reinterpret_cast<const char*>(name.data), name.count) : std::string();
}

std::vector<std::string> windowTypes(Display* display, Window window)
{
    const std::string prefix = "_NET_WM_WINDOW_TYPE_";
    const Property types(display, window, "_NET_WM_WINDOW_TYPE", XA_ATOM);
    std::vector<std::string> result;
    for (unsigned long i = 0; types.data && i < types.count; ++i) {
        char* name = XGetAtomName(display, reinterpret_cast<const Atom*>(types.data)[i]);
        if (name == nullptr)
            continue;
        const std::string full = name;
        XFree(name);
        result.push_back(full.rfind(prefix, 0) == 0 ? full.substr(prefix.size()) : full);
    }
    return result;
}

// A window may vanish between listing and asking about it; Xlib's default
// handler would end the test program for that.
int ignoreXErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

VirtualScreen::VirtualScreen(QSize size, const std::string& logFile) : size_(size)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("no pipe for Xvfb");
    const std::string screen = std::to_string(size.width()) + "x" + std::to_string(size.height()) + "x24";
    server_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"Xvfb", "-displayfd", "3", "-screen", "0", screen, "-nolisten", "tcp", "-noreset"},
        ChildProcess::Options{{}, logFile, fds[1]});
    close(fds[1]);
    try {
        name_ = readDisplayNumber(fds[0], std::chrono::seconds(20));
    } catch (...) {
        close(fds[0]);
        throw;
    }
    close(fds[0]);
    XSetErrorHandler(ignoreXErrors);
    display_ = XOpenDisplay(name_.c_str());
    if (display_ == nullptr)
        throw std::runtime_error("cannot connect to " + name_);
}

VirtualScreen::~VirtualScreen()
{
    if (display_ != nullptr)
        XCloseDisplay(display_);
}

QImage VirtualScreen::grab(const QRect& wanted) const
{
    const QRect area = wanted.intersected(QRect(QPoint(0, 0), size_));
    if (area.isEmpty())
        return {};
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), area.x(), area.y(),
                              static_cast<unsigned>(area.width()), static_cast<unsigned>(area.height()), AllPlanes,
                              ZPixmap);
    if (image == nullptr)
        throw std::runtime_error("cannot read the screen");
    QImage result(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < area.width(); ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            line[x] = qRgb(static_cast<int>((p >> 16) & 0xff), static_cast<int>((p >> 8) & 0xff),
                           static_cast<int>(p & 0xff));
        }
    }
    XDestroyImage(image);
    return result;
}

void VirtualScreen::addKeysFor(const std::string& utf8) const
{
    int first = 0, last = 0, perKey = 0;
    XDisplayKeycodes(display_, &first, &last);
    KeySym* map = XGetKeyboardMapping(display_, static_cast<KeyCode>(first), last - first + 1, &perKey);
    auto isFree = [&](int keycode) {
        for (int i = 0; i < perKey; ++i)
            if (map[(keycode - first) * perKey + i] != NoSymbol)
                return false;
        return true;
    };
    int spare = last;
    for (const char32_t c : QString::fromStdString(utf8).toStdU32String()) {
        const KeySym symbol = c < 0x100 ? c : 0x1000000 | c;
        if (XKeysymToKeycode(display_, symbol) != 0)
            continue;
        while (spare >= first && !isFree(spare))
            --spare;
        if (spare < first)
            throw std::runtime_error("no key left for a character");
        KeySym one = symbol;
        XChangeKeyboardMapping(display_, spare--, 1, &one, 1);
    }
    XFree(map);
    XSync(display_, False);
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
        if (!XGetWindowAttributes(display_, children[i], &a) || a.map_state != IsViewable || a.c_class != InputOutput)
            continue;
        result.push_back({children[i], windowTitle(display_, children[i]), QRect(a.x, a.y, a.width, a.height),
                          windowTypes(display_, children[i]), a.override_redirect != 0});
    }
    if (children != nullptr)
        XFree(children);
    return result;
}

}  // namespace mokopi::e2e
