// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace mokopi::ui {

// The light yellow of the window and the speech panel.
inline const QColor WindowYellow{255, 255, 128};
// The text of the hour, the day and the click hint.
inline const QColor DarkYellow{192, 192, 0};

inline void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(role, colour);
    widget->setPalette(p);
}

}  // namespace mokopi::ui
