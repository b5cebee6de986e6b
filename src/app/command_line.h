// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

namespace mokopi::app {

// --help, --help-all and --version print and end the program before the
// window system is opened, so that they work with no display at all.
void answerInformationOptions(int& argc, char* argv[]);

// Once Qt has taken its own options (-platform, -style, ...), anything left
// is refused: the program ends with status 1 and a hint.
void refuseUnknownArguments(const QCoreApplication& app);

}  // namespace mokopi::app
