// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"

#include "drawers.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace art {

Drawer findDrawer(const QString& kind)
{
    if (kind == "pet")
        return drawPet;
    if (Drawer d = findSceneryDrawer(kind))
        return d;
    return findDecorDrawer(kind);
}

// The painter draws in canvas units (canvasFor) whatever the output size.
void drawLayers(QPainter& p, const Recipe& recipe, int frame, int frames)
{
    const QRectF canvas = canvasFor(recipe.size);
    for (int i = 0; i < recipe.layers.size(); ++i) {
        Layer layer(recipe.layers[i], frame, frames, QString("%1: layer %2").arg(recipe.path).arg(i + 1), "draw",
                    canvas);
        const Drawer draw = findDrawer(layer.kind());
        if (!draw)
            layer.fail("no such drawing");
        p.save();
        draw(p, layer);
        p.restore();
        layer.checkAllRead();
    }
}

QImage renderFrame(const Recipe& recipe, int frame, int frames, bool transparent)
{
    QImage image(recipe.size * recipe.supersample, QImage::Format_ARGB32_Premultiplied);
    image.fill(transparent ? Qt::transparent : Qt::white);
    {
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
        // One scale both ways: a circle in the recipe is a circle in the picture.
        const QRectF canvas = canvasFor(recipe.size);
        p.scale(image.height() / canvas.height(), image.height() / canvas.height());
        p.translate(-canvas.topLeft());
        drawLayers(p, recipe, frame, frames);
    }
    if (recipe.supersample > 1)
        image = image.scaled(recipe.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QByteArray scalableDrawing(const Recipe& recipe)
{
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(recipe.size);
    generator.setViewBox(canvasFor(recipe.size));
    generator.setTitle(QFileInfo(recipe.path).baseName());
    {
        QPainter p(&generator);
        drawLayers(p, recipe, 0, 1);
    }
    return svg.data();
}

void savePicture(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw RecipeError("cannot write " + path.toStdString());
    bool ok = false;
    if (path.endsWith(".bmp"))
        ok = image.convertToFormat(QImage::Format_RGB888).save(&file, "BMP");
    else if (path.endsWith(".png"))
        ok = image.convertToFormat(QImage::Format_ARGB32).save(&file, "PNG");
    else
        throw RecipeError("unknown picture type: " + path.toStdString());
    if (!ok || !file.commit())
        throw RecipeError("cannot write " + path.toStdString());
}

}  // namespace art
