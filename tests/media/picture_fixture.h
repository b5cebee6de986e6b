#pragma once

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <string_view>

#include "media/picture_id.h"

namespace mokopi::testing {

// A colour of its own for every picture file, so a test can tell by a pixel
// which file a picture came from.
inline QRgb fixtureColour(std::string_view fileName)
{
    const auto hash = static_cast<int>(qHash(QByteArray(fileName.data(), static_cast<qsizetype>(fileName.size()))) % 360);
    return QColor::fromHsv(hash, 200, 230).rgb();
}

inline void writeFixturePicture(const QString& folder, std::string_view fileName)
{
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(fixtureColour(fileName));
    image.save(QDir(folder).filePath(QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()))),
               "BMP");
}

// Every picture the game reads: the 34 of the store, the loading and the
// title picture.
inline void writeFixturePictures(const QString& folder)
{
    for (Picture p : loadOrder())
        writeFixturePicture(folder, fileName(p));
    writeFixturePicture(folder, LoadingPictureFile);
    writeFixturePicture(folder, TitlePictureFile);
}

inline void writeGarbage(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write("BM this is not a bitmap at all");
}

}  // namespace mokopi::testing
