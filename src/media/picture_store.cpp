// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/picture_store.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include "media/regular_file.h"

namespace mokopi::media {

using game::Picture;

namespace {

// The bytes of a file, noting when a read asks for more than is left.
// Opened unbuffered, it sees each read as the decoder asks for it.
class EndWatchingBuffer : public QBuffer {
public:
    explicit EndWatchingBuffer(const QByteArray& bytes) { setData(bytes); }
    bool wasReadPastItsEnd() const { return readPastEnd_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 read = QBuffer::readData(data, maxSize);
        readPastEnd_ = readPastEnd_ || read < maxSize;
        return read;
    }

private:
    bool readPastEnd_ = false;
};

QImage decode(const QString& path)
{
    // Qt makes no picture of more than its allocation limit (256 MB unless
    // changed), so a larger file is never read whole.
    const qint64 largestFile = qint64(QImageReader::allocationLimit()) << 20;
    QFile file;
    if (!openRegularFile(file, path) || file.size() > largestFile)
        throw PictureFileError(path, PictureFileError::Kind::Unreadable);
    EndWatchingBuffer bytes(file.readAll());
    bytes.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    // A bitmap is told by its first bytes and read by Qt's own decoder, with
    // no image format plugin asked first (each would be loaded to look); a
    // file that is no bitmap under its .bmp name is recognised by its
    // content, or fails here.
    const bool isBitmap = bytes.data().startsWith("BM");
    QImageReader reader(&bytes, isBitmap ? QByteArray("bmp") : QByteArray());
    reader.setAutoDetectImageFormat(!isBitmap);
    QImage image = reader.read();
    // Qt's bitmap decoder reads exactly the bytes its header promises and,
    // when the file ends before, keeps the rows it has and leaves the rest
    // black without a word: a bitmap cut short is as broken as any.
    if (image.isNull() || (isBitmap && bytes.wasReadPastItsEnd()))
        throw PictureFileError(path, PictureFileError::Kind::Unreadable);
    return image;
}

QImage scaledForScreen(QImage image, QSize pixelSize)
{
    if (image.size() != pixelSize)
        image = image.scaled(pixelSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The format the screen is drawn in, so that showing it is a plain copy.
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

}  // namespace

bool holdsPictures(const QString& folder)
{
    return QFileInfo::exists(folder + QString::fromUtf8(game::LoadingPictureFile));
}

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
    existingFile(game::LoadingPictureFile);
    for (Picture p : game::loadOrder())
        existingFile(fileName(p));
    existingFile(game::TitlePictureFile);
}

QPixmap PictureStore::read(const QFileInfo& source, const PictureDisplay& display, const QImage& decoded) const
{
    QImage image = cache_.load(source, display.pixelSize(), display.pixelRatio);
    if (image.isNull()) {
        image = scaledForScreen(decoded.isNull() ? decode(source.filePath()) : decoded, display.pixelSize());
        cache_.store(source, image, display.pixelRatio);
        image.setDevicePixelRatio(display.pixelRatio);
    }
    return QPixmap::fromImage(std::move(image));
}

void PictureStore::decodeTitleAhead()
{
    dropTitleAhead();
    titleAhead_ = std::async(std::launch::async, [this] {
        const QFileInfo source = existingFile(game::TitlePictureFile);
        return cache_.hasAnyEntryOf(source) ? QImage() : decode(source.filePath());
    });
}

void PictureStore::dropTitleAhead()
{
    // Waits for it: the decoding thread reads the cache's folder.
    if (titleAhead_.valid())
        titleAhead_.wait();
    titleAhead_ = {};
}

QPixmap PictureStore::picture(Picture p, const PictureDisplay& display)
{
    dropTitleAhead();
    letGoOfDecodedTitle();
    if (display != display_) {
        held_.fill(QPixmap());
        heldEnding_.reset();
        display_ = display;
    }
    const std::optional<game::EndingId> ending = game::endingShowing(p);
    if (ending != heldEnding_)
        letGoOfEnding();
    QPixmap& held = held_[index(p)];
    if (held.isNull()) {
        held = read(existingFile(fileName(p)), display);
        heldEnding_ = ending;
    }
    return held;
}

QPixmap PictureStore::title(const PictureDisplay& display)
{
    letGoOfEnding();
    // A file that failed on the decoding thread throws here.
    if (titleAhead_.valid())
        decodedTitle_ = titleAhead_.get();
    return read(existingFile(game::TitlePictureFile), display, decodedTitle_);
}

void PictureStore::letGoOfDecodedTitle() { decodedTitle_ = QImage(); }

void PictureStore::letGoOfEnding()
{
    if (!heldEnding_)
        return;
    for (Picture p : game::ending(*heldEnding_).pictures)
        held_[index(p)] = QPixmap();
    heldEnding_.reset();
}

}  // namespace mokopi::media
