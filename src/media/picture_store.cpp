// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/picture_store.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace mokopi {

namespace {

// The ending n whose pair holds p, if p is an ending picture.
std::optional<int> endingOf(Picture p)
{
    const int first = index(endingPicture(0, 0)), last = index(endingPicture(8, 1));
    if (index(p) < first || index(p) > last)
        return std::nullopt;
    return (index(p) - first) / 2;
}

QImage decodeScaled(const QString& path, QSize pixelSize)
{
    // A file that is no bitmap under its .bmp name is recognised by its
    // content (or fails here); only then are the image format plugins loaded.
    QImage image = QImageReader(path).read();
    if (image.isNull())
        throw PictureFileError(path, PictureFileError::Kind::Unreadable);
    if (image.size() != pixelSize)
        image = image.scaled(pixelSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The format the screen is drawn in, so that showing it is a plain copy.
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

}  // namespace

PictureFileError::PictureFileError(QString path, Kind kind)
    : std::runtime_error((kind == Kind::Missing ? "missing picture file: " : "unreadable picture file: ")
                         + path.toStdString()),
      path_(std::move(path)), kind_(kind)
{}

PictureStore::PictureStore(QString appPath, QString cacheFolder)
    : appPath_(std::move(appPath)), cache_(std::move(cacheFolder))
{}

QString PictureStore::pathOf(std::string_view fileName) const
{
    return appPath_ + QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
}

QFileInfo PictureStore::existingFile(std::string_view fileName) const
{
    const QString path = pathOf(fileName);
    QFileInfo file(path);
    if (!file.isFile())
        throw PictureFileError(path, PictureFileError::Kind::Missing);
    return file;
}

void PictureStore::checkFiles() const
{
    existingFile(LoadingPictureFile);
    for (Picture p : loadOrder())
        existingFile(fileName(p));
    existingFile(TitlePictureFile);
}

QPixmap PictureStore::read(std::string_view fileName, const PictureDisplay& display) const
{
    const QFileInfo source = existingFile(fileName);
    const QSize pixelSize = display.pixelSize();
    QImage image = cache_.load(source, pixelSize, display.pixelRatio);
    if (image.isNull()) {
        image = decodeScaled(source.filePath(), pixelSize);
        cache_.store(source, image, display.pixelRatio);
        image.setDevicePixelRatio(display.pixelRatio);
    }
    return QPixmap::fromImage(std::move(image));
}

QPixmap PictureStore::picture(Picture p, const PictureDisplay& display)
{
    if (display != display_) {
        held_.fill(QPixmap());
        heldEnding_.reset();
        display_ = display;
    }
    const std::optional<int> ending = endingOf(p);
    if (ending != heldEnding_)
        letGoOfEnding();
    QPixmap& held = held_[index(p)];
    if (held.isNull()) {
        held = read(fileName(p), display);
        heldEnding_ = ending;
    }
    return held;
}

QPixmap PictureStore::title(const PictureDisplay& display)
{
    letGoOfEnding();
    return read(TitlePictureFile, display);
}

void PictureStore::letGoOfEnding()
{
    if (!heldEnding_)
        return;
    held_[index(endingPicture(*heldEnding_, 0))] = QPixmap();
    held_[index(endingPicture(*heldEnding_, 1))] = QPixmap();
    heldEnding_.reset();
}

}  // namespace mokopi
