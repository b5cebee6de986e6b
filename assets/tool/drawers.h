// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QPainter;

namespace art {

class Layer;

using Drawer = void (*)(QPainter&, Layer&);

// Every "draw" kind a recipe may name; nullptr for an unknown one.
Drawer findDrawer(const QString& kind);

void drawPet(QPainter& p, Layer& l);

Drawer findSceneryDrawer(const QString& kind);
Drawer findDecorDrawer(const QString& kind);

}  // namespace art
