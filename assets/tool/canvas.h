// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "recipe.h"

#include <QImage>

namespace art {

// Draws one frame of a recipe. Transparent frames start clear (the icon);
// the others start white under their background.
QImage renderFrame(const Recipe& recipe, int frame, int frames, bool transparent);

// The first frame of a recipe as an SVG drawing, from the same drawing steps
// as the bitmaps.
QByteArray scalableDrawing(const Recipe& recipe);

// Writes by file extension: ".bmp" as 24-bit colour, ".png" with alpha.
// The file appears complete or not at all.
void savePicture(const QImage& image, const QString& path);

}  // namespace art
