// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

class QApplication;

namespace mokopi::app {

// Exit status when no window system could be opened.
inline constexpr int NoWindowSystemExitCode = 4;

// Makes the application object, which opens the window system: Wayland when
// a compositor is there, X11 otherwise, or whatever QT_QPA_PLATFORM or
// -platform ask for. When none opens, Qt would abort with a generic message
// of its own; instead the program says what it tried and which package may
// be missing, and ends with NoWindowSystemExitCode.
std::unique_ptr<QApplication> openWindowSystem(int& argc, char* argv[]);

}  // namespace mokopi::app
