// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace mokopi::ui {

// The box of このゲームについて: the game's name and version, what it is,
// who made it, its licence with the notice the licence asks for, and the Qt
// it runs on.
QString aboutTitle();
QString aboutText();

// Shows that box, modal to the parent. Beside its OK button, a button opens
// Qt's own about box over it, and the game's box stays open behind.
void showAboutBox(QWidget* parent, const QString& title, const QString& text);

}  // namespace mokopi::ui
