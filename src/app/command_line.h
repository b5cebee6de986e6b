// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "ui/language.h"

class QCoreApplication;

namespace mokopi::app {

// --help, --help-all and --version print and end the program before the
// window system is opened, so that they work with no display at all. The
// help speaks the language the window would.
void answerInformationOptions(int& argc, char* argv[]);

// Once Qt has taken its own options (-platform, -style, ...), the language
// asked for with --language, if any. Anything else left, or a language the
// game does not speak, is refused: the program ends with status 1 and a hint.
std::optional<ui::Language> readArguments(const QCoreApplication& app);

}  // namespace mokopi::app
