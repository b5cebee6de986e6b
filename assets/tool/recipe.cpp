// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recipe.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

namespace art {

namespace {

// One palette for every picture keeps the set looking like a set.
const QHash<QString, QColor>& palette()
{
    static const QHash<QString, QColor> colours = {
        // the pet
        {"fur", QColor(0xFF, 0xDC, 0xE4)},
        {"fur_light", QColor(0xFF, 0xF4, 0xF6)},
        {"fur_shade", QColor(0xF6, 0xB8, 0xC8)},
        {"outline", QColor(0xC9, 0x7F, 0x99)},
        {"ear_inner", QColor(0xFF, 0xAE, 0xC4)},
        {"eye", QColor(0x3D, 0x27, 0x3A)},
        {"eye_low", QColor(0x7A, 0x4E, 0x78)},
        {"cheek", QColor(0xFF, 0x8F, 0xAE)},
        {"mouth", QColor(0xB8, 0x4A, 0x6A)},
        {"tongue", QColor(0xFF, 0x9B, 0xAE)},
        // pastels
        {"cream", QColor(0xFF, 0xF8, 0xEA)},
        {"paper", QColor(0xFF, 0xFD, 0xF7)},
        {"butter", QColor(0xFF, 0xEE, 0xA8)},
        {"peach", QColor(0xFF, 0xD3, 0xB0)},
        {"apricot", QColor(0xFF, 0xB8, 0x8C)},
        {"pink", QColor(0xFF, 0xC2, 0xD4)},
        {"rose", QColor(0xF2, 0x7E, 0xA0)},
        {"red", QColor(0xE8, 0x6A, 0x78)},
        {"mint", QColor(0xBF, 0xEB, 0xD2)},
        {"leaf", QColor(0x8F, 0xCF, 0x9E)},
        {"sky", QColor(0xBF, 0xE2, 0xFA)},
        {"blue", QColor(0x86, 0xB7, 0xE8)},
        {"lilac", QColor(0xD8, 0xC6, 0xF2)},
        {"lavender", QColor(0xC3, 0xB4, 0xEE)},
        {"violet", QColor(0x9A, 0x7F, 0xCF)},
        {"plum", QColor(0x6E, 0x4F, 0x8F)},
        {"gold", QColor(0xF5, 0xC8, 0x4C)},
        {"gold_dark", QColor(0xC9, 0x93, 0x2A)},
        {"wood", QColor(0xE3, 0xB9, 0x8A)},
        {"wood_dark", QColor(0xB9, 0x8A, 0x5E)},
        {"skin", QColor(0xFF, 0xE0, 0xC8)},
        {"white", QColor(0xFF, 0xFF, 0xFF)},
        {"ink", QColor(0x5A, 0x45, 0x5E)},
        {"grey", QColor(0xB9, 0xB7, 0xBD)},
        {"grey_light", QColor(0xDD, 0xDC, 0xE0)},
        {"grey_dark", QColor(0x8C, 0x8A, 0x93)},
        {"night", QColor(0x3E, 0x3A, 0x6E)},
        {"dusk", QColor(0xF6, 0xB3, 0x96)},
        {"water", QColor(0x9F, 0xD4, 0xF5)},
    };
    return colours;
}

}  // namespace

QRectF canvasFor(QSize pixels)
{
    const double width = 1000.0 * pixels.width() / pixels.height();
    return {500 - width / 2, 0, width, 1000};
}

QColor paletteColour(const QString& name)
{
    if (name.startsWith('#')) {
        QColor c = QColor::fromString(name);
        if (c.isValid())
            return c;
    } else if (auto it = palette().find(name); it != palette().end()) {
        return *it;
    }
    throw RecipeError("unknown colour \"" + name.toStdString() + "\"");
}

Layer::Layer(QJsonObject object, int frame, int frames, QString where, const char* kindKey, QRectF canvas)
    : object_(std::move(object)), frame_(frame), frames_(frames), where_(std::move(where)), canvas_(canvas)
{
    kind_ = take(kindKey).toString();
    if (kind_.isEmpty())
        fail(QString("has no \"%1\"").arg(kindKey));
    where_ += " (" + kind_ + ")";
}

void Layer::fail(const QString& message) const { throw RecipeError((where_ + ": " + message).toStdString()); }

QJsonValue Layer::take(const char* key)
{
    const QString k = QString::fromLatin1(key);
    read_.insert(k);
    QJsonValue v = object_.value(k);
    if (!v.isArray())
        return v;
    const QJsonArray a = v.toArray();
    if (a.size() != frames_)
        fail(QString("\"%1\" has %2 values for %3 frames").arg(k).arg(a.size()).arg(frames_));
    return a.at(frame_);
}

double Layer::num(const char* key, double fallback)
{
    const QJsonValue v = take(key);
    if (v.isUndefined())
        return fallback;
    if (!v.isDouble())
        fail(QString("\"%1\" must be a number").arg(key));
    return v.toDouble();
}

QString Layer::text(const char* key, const QString& fallback)
{
    const QJsonValue v = take(key);
    if (v.isUndefined())
        return fallback;
    if (!v.isString())
        fail(QString("\"%1\" must be a string").arg(key));
    return v.toString();
}

QColor Layer::colour(const char* key, const QColor& fallback)
{
    const QString name = text(key, QString());
    if (name.isEmpty())
        return fallback;
    try {
        return paletteColour(name);
    } catch (const RecipeError& e) {
        fail(QString("\"%1\": %2").arg(key, e.what()));
    }
}

bool Layer::flag(const char* key, bool fallback)
{
    const QJsonValue v = take(key);
    if (v.isUndefined())
        return fallback;
    if (!v.isBool())
        fail(QString("\"%1\" must be true or false").arg(key));
    return v.toBool();
}

void Layer::checkAllRead() const
{
    for (auto it = object_.begin(); it != object_.end(); ++it)
        if (!read_.contains(it.key()))
            fail("unknown key \"" + it.key() + "\"");
}

Recipe loadRecipe(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RecipeError("cannot read " + path.toStdString());
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (doc.isNull())
        throw RecipeError(path.toStdString() + ": " + error.errorString().toStdString() + " at offset "
                          + std::to_string(error.offset));
    const QJsonObject root = doc.object();
    for (auto it = root.begin(); it != root.end(); ++it)
        if (it.key() != "size" && it.key() != "supersample" && it.key() != "layers" && it.key() != "note")
            throw RecipeError(path.toStdString() + ": unknown key \"" + it.key().toStdString() + "\"");

    Recipe recipe;
    recipe.path = path;
    if (root.contains("size")) {
        const int side = root.value("size").toInt();
        recipe.size = QSize(side, side);
    }
    recipe.supersample = root.value("supersample").toInt(1);
    if (recipe.size.height() < 16 || recipe.supersample < 1 || recipe.supersample > 16)
        throw RecipeError(path.toStdString() + ": size or supersample out of range");
    for (const QJsonValue& v : root.value("layers").toArray()) {
        if (!v.isObject())
            throw RecipeError(path.toStdString() + ": every layer must be an object");
        recipe.layers.append(v.toObject());
    }
    if (recipe.layers.isEmpty())
        throw RecipeError(path.toStdString() + ": no layers");
    return recipe;
}

}  // namespace art
