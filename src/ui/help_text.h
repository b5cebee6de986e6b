// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace mokopi::ui {

// The title of the window and of every box of the game.
QString applicationTitle();

// The two boxes of the help button: the version, then how to play. Lines are
// joined with "\n"; the help text has no line break after its last line.
QString versionText();
QString helpText();

}  // namespace mokopi::ui
