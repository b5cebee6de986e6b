// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet.h"

#include "recipe.h"

#include <QFileInfo>
#include <QPainter>

namespace art {

QImage contactSheet(const QStringList& pictures, int columns, int cell)
{
    QList<QImage> images;
    int height = 0;  // of the tallest picture at cell width: each keeps its own shape
    for (const QString& path : pictures) {
        const QImage picture(path);
        if (picture.isNull())
            throw RecipeError("cannot read " + path.toStdString());
        images << picture.scaledToWidth(cell, Qt::SmoothTransformation);
        height = qMax(height, int(images.last().height()));
    }
    const int label = cell / 8, gap = cell / 16;
    const int rows = (int(pictures.size()) + columns - 1) / columns;
    QImage sheet(columns * (cell + gap) + gap, rows * (height + label + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(0xF2, 0xEF, 0xF4));
    QPainter p(&sheet);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    QFont font("IPAPGothic");
    font.setPixelSize(label * 2 / 3);
    p.setFont(font);
    for (int i = 0; i < images.size(); ++i) {
        const QPoint corner(gap + (i % columns) * (cell + gap), gap + (i / columns) * (height + label + gap));
        p.drawImage(corner + QPoint(0, height - images[i].height()), images[i]);
        p.setPen(QColor(0x5A, 0x45, 0x5E));
        p.drawText(QRect(corner.x(), corner.y() + height, cell, label), Qt::AlignCenter,
                   QFileInfo(pictures[i]).fileName());
    }
    return sheet;
}

}  // namespace art
