// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QString>

namespace mokopi::media {

// Opens the file at path for reading if it is a regular file (a link to one
// is followed), without ever waiting: a FIFO, a device or a folder in its
// place is no file, and a FIFO with no writer cannot hold the game up.
// Returns whether file is now open.
bool openRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode = QIODevice::ReadOnly);

}  // namespace mokopi::media
