// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "ui/language.h"

namespace mokopi::app {

// Judges the command line before any window system is opened, so that it
// answers alike with a display or without one: --help, --help-all and
// --version print, in the player's language, and end the program (status 0);
// an argument that is neither the game's own nor one that Qt takes for itself
// (-platform, -style, ...), or a language the game does not speak, ends it
// with status 1 and a hint. Returns, when the game may start, the language
// asked for with --language, if any.
std::optional<ui::Language> answerCommandLine(int argc, char* argv[]);

}  // namespace mokopi::app
