// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>

#include <stdexcept>

namespace art {

// Anything wrong with a recipe stops the build with this message, so a typo
// in a drawing never ships as a silently missing detail.
struct RecipeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A colour by palette name ("fur", "sky", ...) or as "#rrggbb" / "#aarrggbb".
QColor paletteColour(const QString& name);

// One drawing step of a recipe, seen in one frame. A value written as an
// array holds one entry per frame; any other value is the same in every frame.
class Layer {
public:
    // kindKey names the key that says what the layer is ("draw", or "wave" for a note).
    Layer(QJsonObject object, int frame, int frames, QString where, const char* kindKey = "draw");

    QString kind() const { return kind_; }
    const QString& where() const { return where_; }

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
    QSet<QString> read_;
};

struct Recipe {
    QString path;
    int size = 640;       // output pixels, square
    int supersample = 1;  // draw this many times larger, then scale down
    QList<QJsonObject> layers;
};

// Reads a recipe file: {"size": 640, "layers": [{"draw": "room", ...}, ...]}.
Recipe loadRecipe(const QString& path);

}  // namespace art
