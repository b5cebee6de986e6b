// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QJsonObject>
#include <QList>
#include <QRectF>
#include <QSet>
#include <QSize>
#include <QString>

#include <stdexcept>

namespace art {

// Anything wrong with a recipe stops the build with this message, so a typo
// in a drawing never ships as a silently missing detail.
struct RecipeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The game stretches every picture to the pet area, the top-left 8 x 8 cells
// of the window's 10 x 10 grid, so pictures are drawn at that area's shape
// and a round pet shows round. On a 768-pixel screen the area measures
// 410 x 395 pixels with no window manager and 408 x 378 under openbox, whose
// title bar comes off the grid's height: 18 : 17 lies between the two, 2 %
// from each. 864 across stays sharp at scale factor 2 (820 device pixels)
// and on a 1080-pixel screen (576).
inline constexpr QSize PictureSize(864, 816);

// Recipes draw in units of a canvas 1000 high, centred on x = 500 and as
// wide as the picture's shape makes it: 1000 x 1000 for a square, about
// -29 to 1029 across for PictureSize. Anything placed inside 0 to 1000 is
// seen whatever the shape; backgrounds cover the whole canvas.
QRectF canvasFor(QSize pixels);

// A colour by palette name ("fur", "sky", ...) or as "#rrggbb" / "#aarrggbb".
QColor paletteColour(const QString& name);

// One drawing step of a recipe, seen in one frame. A value written as an
// array holds one entry per frame; any other value is the same in every frame.
class Layer {
public:
    // kindKey names the key that says what the layer is ("draw", or "wave" for a note).
    Layer(QJsonObject object, int frame, int frames, QString where, const char* kindKey = "draw",
          QRectF canvas = canvasFor(QSize(1, 1)));

    QString kind() const { return kind_; }
    const QString& where() const { return where_; }
    // The whole picture in recipe units, for what must reach its edges.
    const QRectF& canvas() const { return canvas_; }

    double num(const char* key, double fallback);
    QString text(const char* key, const QString& fallback);
    QColor colour(const char* key, const QColor& fallback);
    QColor colour(const char* key, const char* fallback) { return colour(key, paletteColour(fallback)); }
    bool flag(const char* key, bool fallback);

    // A key that nothing read is a typo or a leftover: refuse it.
    void checkAllRead() const;

    [[noreturn]] void fail(const QString& message) const;

private:
    QJsonValue take(const char* key);

    QJsonObject object_;
    int frame_;
    int frames_;
    QString where_;
    QString kind_;
    QRectF canvas_;
    QSet<QString> read_;
};

struct Recipe {
    QString path;
    QSize size = PictureSize;  // output pixels
    int supersample = 1;       // draw this many times larger, then scale down
    QList<QJsonObject> layers;
};

// Reads a recipe file: {"layers": [{"draw": "room", ...}, ...]}, drawn at
// PictureSize; a recipe may ask for a square of its own, "size": 32 (icons).
Recipe loadRecipe(const QString& path);

}  // namespace art
