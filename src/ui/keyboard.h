// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <functional>

class QAbstractButton;
class QAction;
class QKeyEvent;
class QWidget;

namespace mokopi::ui {

// The mouse button a key on the speech line stands for, as the game's
// button code: 1 (left, the first answer) for Space, Enter and ←; 2 (right,
// the second answer) for Shift+Space, Shift+Enter, → and the Menu key; 0 for
// any other key.
int speechKeyButton(const QKeyEvent& event);

// Space or Enter with no modifier: the key that works a focused control.
bool isActivationKey(const QKeyEvent& event);

// The keys that work anywhere in the window: 1, 2 and 3 click the command
// buttons, P pets the pet and F1 clicks the help button. A key held down
// counts once.
struct WindowKeyTargets {
    std::array<QAbstractButton*, 3> commands;
    QAbstractButton* help;
    std::function<void()> pet;
};
void addWindowKeys(QWidget* window, const WindowKeyTargets& targets);

// Ctrl+S, Ctrl+O and Ctrl+Q on the save, load and quit items, shown beside
// them in the menu.
void addMenuShortcuts(QAction* save, QAction* load, QAction* quit);

}  // namespace mokopi::ui
