// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet.h"

#include "recipe.h"

#include <QFileInfo>
#include <QPainter>

namespace art {

QImage contactSheet(const QStringList& pictures, int columns, int cell)
{
    const int label = cell / 8, gap = cell / 16;
    const int rows = (int(pictures.size()) + columns - 1) / columns;
    QImage sheet(columns * (cell + gap) + gap, rows * (cell + label + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(0xF2, 0xEF, 0xF4));
    QPainter p(&sheet);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    QFont font("IPAPGothic");
    font.setPixelSize(label * 2 / 3);
    p.setFont(font);
    for (int i = 0; i < pictures.size(); ++i) {
        const QImage picture(pictures[i]);
        if (picture.isNull())
            throw RecipeError("cannot read " + pictures[i].toStdString());
        const QRect box(gap + (i % columns) * (cell + gap), gap + (i / columns) * (cell + label + gap), cell, cell);
        p.drawImage(box, picture.scaled(cell, cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        p.setPen(QColor(0x5A, 0x45, 0x5E));
        p.drawText(QRect(box.left(), box.bottom(), cell, label), Qt::AlignCenter, QFileInfo(pictures[i]).fileName());
    }
    return sheet;
}

}  // namespace art
