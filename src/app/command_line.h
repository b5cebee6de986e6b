// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace mokopi::app {

// Judges the command line before any window system is opened, so that it
// answers alike with a display or without one: --help, --help-all and
// --version print and end the program (status 0); an argument that is
// neither the game's own nor one that Qt takes for itself (-platform,
// -style, ...) ends it with status 1 and a hint. Returns when the game may
// start.
void answerCommandLine(int argc, char* argv[]);

}  // namespace mokopi::app
