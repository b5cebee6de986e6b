// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QImage>

#include <functional>

#include "game/picture_id.h"

namespace mokopi::testing {

using namespace game;

// A colour for each file, so that a pixel tells which file a picture came from.
inline QRgb fixtureColour(std::string_view file)
{
    return 0xff000000u | (std::hash<std::string_view>{}(file)&0xffffffu);
}

// A small picture of that colour or, when broken, a file that is no picture.
inline void writeFixturePicture(const QString& folder, std::string_view file, bool broken = false)
{
    QFile out(QDir(folder).filePath(QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()))));
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(fixtureColour(file));
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        broken ? void(out.write("BM but no bitmap")) : void(image.save(&out, "BMP"));
}

// Every picture the game reads.
inline void writeFixturePictures(const QString& folder)
{
    for (Picture p : loadOrder())
        writeFixturePicture(folder, fileName(p));
    writeFixturePicture(folder, LoadingPictureFile);
    writeFixturePicture(folder, TitlePictureFile);
}

}  // namespace mokopi::testing
