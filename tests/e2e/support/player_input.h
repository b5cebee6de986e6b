#pragma once

#include <QPoint>

#include <string>
#include <vector>

namespace mokopi::e2e {

class VirtualScreen;

// The player's mouse and keyboard, through xdotool. Every call returns once
// the X server has the events; the program under test handles them later.
class PlayerInput {
public:
    explicit PlayerInput(const VirtualScreen& screen) : screen_(screen) {}

    // Button 1 left, 2 middle, 3 right (X numbering).
    void click(QPoint at, int button = 1) const;
    void moveTo(QPoint at) const;
    // Key names as X knows them: "Return", "Escape", "Down", "Right".
    void keys(const std::vector<std::string>& names) const;
    // Any text, Japanese too: each character gets a key of its own first.
    void type(const std::string& utf8) const;
    // Keystrokes go to a window only once it has the input focus; with no
    // window manager nobody else gives it.
    void focus(unsigned long window) const;

private:
    void run(std::vector<std::string> args) const;

    const VirtualScreen& screen_;
};

}  // namespace mokopi::e2e
