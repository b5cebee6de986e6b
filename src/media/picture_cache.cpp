// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/picture_cache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cstring>
#include <filesystem>

#include "media/regular_file.h"

namespace mokopi::media {

namespace {

// An entry: this header, then the rows of pixels, 4 bytes a pixel, no padding.
struct EntryHeader {
    char magic[8];
    qint64 sourceModifiedMs;
    qint64 sourceBytes;
    qint32 width;
    qint32 height;
    qint32 format;
    qint32 padding;  // named, so that comparing two headers byte for byte compares no stray bytes
    double pixelRatio;
};

// Entries of layout 1 may hold a bitmap file cut short, drawn half black.
constexpr char Magic[8] = {'M', 'O', 'K', 'O', 'P', 'I', 'C', '2'};

EntryHeader headerFor(const QFileInfo& source, QSize pixelSize, QImage::Format format, qreal pixelRatio)
{
    EntryHeader h{};
    std::memcpy(h.magic, Magic, sizeof Magic);
    h.sourceModifiedMs = source.lastModified().toMSecsSinceEpoch();
    h.sourceBytes = source.size();
    h.width = pixelSize.width();
    h.height = pixelSize.height();
    h.format = format;
    h.pixelRatio = pixelRatio;
    return h;
}

// As a number: not every number read from a file is a QImage::Format.
bool isEntryFormat(qint32 format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

// The end of an entry's name that tells its size and pixel ratio, the same
// for every picture of one window size: "410x395@2.pic".
QString sizeOfEntry(const QString& name) { return name.section(QLatin1Char('-'), -1); }

}  // namespace

PictureCache::PictureCache(QString folder) : folder_(std::move(folder)) {}

QString PictureCache::entryPrefix(const QFileInfo& source) const
{
    // The folder's hash keeps two installations of the game apart.
    const QByteArray folderHash =
        QCryptographicHash::hash(source.absolutePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("%1-%2-").arg(QString::fromLatin1(folderHash), source.fileName());
}

QString PictureCache::entryPath(const QFileInfo& source, QSize pixelSize, qreal pixelRatio) const
{
    // One entry per source file, size and ratio.
    return QDir(folder_).filePath(QStringLiteral("%1%2x%3@%4.pic")
                                      .arg(entryPrefix(source))
                                      .arg(pixelSize.width())
                                      .arg(pixelSize.height())
                                      .arg(pixelRatio));
}

bool PictureCache::hasAnyEntryOf(const QFileInfo& source) const
{
    return !folder_.isEmpty()
        && !QDir(folder_)
                .entryList({entryPrefix(source) + QStringLiteral("*.pic")}, QDir::Files | QDir::System)
                .isEmpty();
}

QImage PictureCache::load(const QFileInfo& source, QSize pixelSize, qreal pixelRatio) const
{
    if (folder_.isEmpty())
        return {};
    QFile entry;
    if (!openRegularFile(entry, entryPath(source, pixelSize, pixelRatio)))
        return {};
    EntryHeader h;
    if (entry.read(reinterpret_cast<char*>(&h), sizeof h) != sizeof h)
        return {};
    if (!isEntryFormat(h.format))
        return {};
    const auto format = static_cast<QImage::Format>(h.format);
    const EntryHeader expected = headerFor(source, pixelSize, format, pixelRatio);
    if (std::memcmp(&h, &expected, sizeof h) != 0)
        return {};
    const qint64 pixelBytes = qint64(h.width) * h.height * 4;
    QImage image(pixelSize, format);
    if (image.isNull() || image.bytesPerLine() != h.width * 4
        || entry.read(reinterpret_cast<char*>(image.bits()), pixelBytes) != pixelBytes)
        return {};
    image.setDevicePixelRatio(pixelRatio);
    // In use: its time tells keepNewestSizes() so.
    entry.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    return image;
}

void PictureCache::store(const QFileInfo& source, const QImage& scaled, qreal pixelRatio) const
{
    if (folder_.isEmpty() || !isEntryFormat(scaled.format()) || scaled.bytesPerLine() != scaled.width() * 4)
        return;
    if (!QDir().mkpath(folder_))
        return;
    // Written aside and renamed over the old entry, so that a reader never
    // sees half of one. Not synced to disk: a lost entry is only made again.
    QTemporaryFile part(QDir(folder_).filePath(QStringLiteral("XXXXXX.part")));
    if (!part.open())
        return;
    const EntryHeader h = headerFor(source, scaled.size(), scaled.format(), pixelRatio);
    if (part.write(reinterpret_cast<const char*>(&h), sizeof h) != qint64(sizeof h)
        || part.write(reinterpret_cast<const char*>(scaled.constBits()), scaled.sizeInBytes()) != scaled.sizeInBytes()
        || !part.flush())
        return;
    const QString entry = entryPath(source, scaled.size(), pixelRatio);
    std::error_code failed;
    std::filesystem::rename(part.fileName().toStdString(), entry.toStdString(), failed);
    if (failed)
        return;
    part.setAutoRemove(false);  // it is the entry now
    const QString size = sizeOfEntry(entry);
    if (size != keptSize_) {
        keepNewestSizes(size);
        keptSize_ = size;
    }
}

void PictureCache::keepNewestSizes(const QString& inUse) const
{
    QString previous;  // the size of the newest entry of another size
    const QFileInfoList entries =
        QDir(folder_).entryInfoList({QStringLiteral("*.pic")}, QDir::Files | QDir::System, QDir::Time);
    for (const QFileInfo& entry : entries) {
        const QString size = sizeOfEntry(entry.fileName());
        if (size == inUse)
            continue;
        if (previous.isEmpty())
            previous = size;
        if (size != previous)
            QFile::remove(entry.filePath());
    }
}

}  // namespace mokopi::media
