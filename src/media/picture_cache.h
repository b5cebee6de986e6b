// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFileInfo>
#include <QImage>
#include <QString>

namespace mokopi::media {

// Pictures already scaled to the pet area, kept on disk between runs so that
// a start or a first showing copies pixels instead of decoding and scaling.
// An entry belongs to one source file at one size and pixel ratio and
// remembers the source's modification time and length: an entry that no
// longer matches its source, or that is damaged, is simply not used, and the
// next store replaces it. An entry is only ever opened when it is a regular
// file; anything else in its place counts as no entry. Nothing here ever
// fails: without a usable folder there is just no cache.
class PictureCache {
public:
    // folder: where the entries live, created when needed; empty: no cache.
    explicit PictureCache(QString folder);

    // The scaled picture of source at pixelSize and pixelRatio, or a null
    // image when there is no up-to-date, intact entry.
    QImage load(const QFileInfo& source, QSize pixelSize, qreal pixelRatio) const;

    // Keeps scaled (pixelSize, in a 32-bit format) as the entry of source.
    void store(const QFileInfo& source, const QImage& scaled, qreal pixelRatio) const;

    // The entry's file, whether it exists or not.
    QString entryPath(const QFileInfo& source, QSize pixelSize, qreal pixelRatio) const;

private:
    QString folder_;
};

}  // namespace mokopi::media
