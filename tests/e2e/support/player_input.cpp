#include "support/player_input.h"

#include <stdexcept>

#include "support/child_process.h"
#include "support/virtual_screen.h"

namespace mokopi::e2e {

void PlayerInput::run(std::vector<std::string> args) const
{
    args.insert(args.begin(), "xdotool");
    if (runToEnd(args, {{"DISPLAY=" + screen_.name()}, {}}) != 0)
        throw std::runtime_error("xdotool " + args.at(1) + " failed");
}

void PlayerInput::click(QPoint at, int button) const
{
    run({"mousemove", std::to_string(at.x()), std::to_string(at.y()), "click", std::to_string(button)});
}

void PlayerInput::moveTo(QPoint at) const
{
    run({"mousemove", std::to_string(at.x()), std::to_string(at.y())});
}

void PlayerInput::keys(const std::vector<std::string>& names) const
{
    std::vector<std::string> args = {"key", "--delay", "40"};
    args.insert(args.end(), names.begin(), names.end());
    run(args);
}

void PlayerInput::type(const std::string& utf8) const
{
    screen_.addKeysFor(utf8);
    run({"type", "--delay", "60", utf8});
}

void PlayerInput::focus(unsigned long window) const { run({"windowfocus", "--sync", std::to_string(window)}); }

}  // namespace mokopi::e2e
