// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

namespace mokopi::ui {

namespace {

// Two chevrons, pointing right (horizontal) or down.
QIcon chevrons(bool horizontal, const QColor& colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.5));
    if (!horizontal)
        painter.translate(16, 0), painter.rotate(90);
    QPainterPath path;
    for (const qreal left : {4.0, 8.5}) {
        path.moveTo(left, 4);
        path.lineTo(left + 3.5, 8);
        path.lineTo(left, 12);
    }
    painter.drawPath(path);
    return QIcon(pixmap);
}

}  // namespace

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
        const QColor ink = widget ? widget->palette().color(QPalette::ButtonText) : QColor(Qt::black);
        return chevrons(icon == SP_ToolBarHorizontalExtensionButton, ink);
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace mokopi::ui
