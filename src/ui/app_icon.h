// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QString>

namespace mokopi::ui {

// icon.png from the application folder when it is there and readable,
// otherwise a small drawn face of the pet.
QIcon applicationIcon(const QString& appPath);
QPixmap drawnIcon();

}  // namespace mokopi::ui
