// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace mokopi::bench {

// A window of the game's size: a square two thirds of the screen's height.
inline void giveGameSize(QWidget& window)
{
    const int side = QGuiApplication::primaryScreen()->geometry().height() * 2 / 3;
    window.resize(side, side);
}

}  // namespace mokopi::bench
