// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace mokopi::ui {

// Gives the window, and its controls and menus found by their object names,
// their title, captions, tool tips and menu titles in the language in use:
// when the window is built and again at every change of language.
void showWindowTexts(QWidget* window);

}  // namespace mokopi::ui
