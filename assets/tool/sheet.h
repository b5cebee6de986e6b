// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QStringList>

namespace art {

// All pictures in a grid, each at its own shape with its file name underneath,
// for review.
QImage contactSheet(const QStringList& pictures, int columns, int cell);

}  // namespace art
