// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app_icon.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace mokopi::ui {

QPixmap drawnIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 140, 150), 1.2));
    // Ears, then the round fluffy head over them.
    p.setBrush(QColor(255, 214, 222));
    p.drawEllipse(QRectF(4, 3, 9, 10));
    p.drawEllipse(QRectF(19, 3, 9, 10));
    p.setBrush(QColor(255, 228, 234));
    p.drawEllipse(QRectF(2.5, 5.5, 27, 25));
    // Big shiny eyes, blush and a small smile.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 50, 60));
    p.drawEllipse(QRectF(9, 13, 5, 6));
    p.drawEllipse(QRectF(18, 13, 5, 6));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(10, 14, 2, 2));
    p.drawEllipse(QRectF(19, 14, 2, 2));
    p.setBrush(QColor(255, 160, 170, 180));
    p.drawEllipse(QRectF(5.5, 20, 5, 3));
    p.drawEllipse(QRectF(21.5, 20, 5, 3));
    p.setPen(QPen(QColor(150, 80, 90), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(13.5, 19, 5, 4), 200 * 16, 140 * 16);
    return pixmap;
}

QIcon applicationIcon(const QString& appPath)
{
    // Read as PNG by Qt's own decoder: no image format plugin is loaded to
    // look at it first.
    QImageReader reader(appPath + QStringLiteral("icon.png"), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage file = reader.read();
    return QIcon(file.isNull() ? drawnIcon() : QPixmap::fromImage(file));
}

}  // namespace mokopi::ui
