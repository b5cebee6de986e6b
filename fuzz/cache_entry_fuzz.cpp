// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for reading an entry of the picture cache: any bytes in
// place of the entry of a 4 x 3 picture must be refused or read as a picture
// of that size, in a format the screen draws, at the pixel ratio asked for.
// The seed is such an entry, for a source file of 16 bytes last changed at
// the start of 2026.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTimeZone>

#include <cstdint>
#include <cstdlib>

#include "media/picture_cache.h"

namespace {

constexpr QSize PixelSize(4, 3);

struct Folder {
    Folder()
    {
        QFile picture(dir.filePath("t0.bmp"));
        if (!picture.open(QIODevice::WriteOnly) || picture.write("sixteen bytes...") != 16 || !picture.flush()
            || !picture.setFileTime(QDateTime(QDate(2026, 1, 1), QTime(0, 0), QTimeZone::utc()),
                                    QFileDevice::FileModificationTime))
            std::abort();
        picture.close();
        source = QFileInfo(picture.fileName());
        entry = cache.entryPath(source, PixelSize, 1);
        if (!QDir().mkpath(QFileInfo(entry).path()))
            std::abort();
    }
    // Every input is written to the entry's file: in memory, where there is such a file system.
    QTemporaryDir dir{(QFileInfo("/dev/shm").isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath())
                      + "/cache_entry_fuzz-XXXXXX"};
    mokopi::media::PictureCache cache{dir.filePath("cache")};
    QFileInfo source;
    QString entry;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Folder folder;
    QFile entry(folder.entry);
    if (!entry.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || entry.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        std::abort();
    entry.close();
    const QImage image = folder.cache.load(folder.source, PixelSize, 1);
    if (!image.isNull()
        && (image.size() != PixelSize || image.devicePixelRatio() != 1
            || (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)))
        std::abort();
    return 0;
}
