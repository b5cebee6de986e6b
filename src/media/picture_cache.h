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
// file; anything else in its place counts as no entry.
//
// The cache keeps the pictures of the two window sizes (with their pixel
// ratios) used last: the one being stored and the one whose entry was last
// made or read before it. The first store of a size removes the entries of
// every older size. Nothing here ever fails: without a usable folder there
// is just no cache, and the game only reads and scales each picture again.
class PictureCache {
public:
    // folder: where the entries live, created when needed; empty: no cache.
    explicit PictureCache(QString folder);

    // The scaled picture of source at pixelSize and pixelRatio, or a null
    // image when there is no up-to-date, intact entry. An entry read is
    // marked as used.
    QImage load(const QFileInfo& source, QSize pixelSize, qreal pixelRatio) const;

    // Keeps scaled (pixelSize, in a 32-bit format) as the entry of source,
    // and at the first store of a size, only the newest other size beside it.
    void store(const QFileInfo& source, const QImage& scaled, qreal pixelRatio) const;

    // Whether the cache holds an entry of source at any size, up to date or
    // not: a hint that it will likely serve the source without decoding it.
    bool hasAnyEntryOf(const QFileInfo& source) const;

    // The entry's file, whether it exists or not.
    QString entryPath(const QFileInfo& source, QSize pixelSize, qreal pixelRatio) const;

private:
    // The start of the names of source's entries, the same at every size.
    QString entryPrefix(const QFileInfo& source) const;
    void keepNewestSizes(const QString& inUse) const;

    QString folder_;
    mutable QString keptSize_;  // the size whose first store has pruned the others
};

}  // namespace mokopi::media
