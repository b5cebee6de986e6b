// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <array>
#include <future>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "game/endings.h"
#include "game/picture_id.h"
#include "media/picture_cache.h"

namespace mokopi::media {

// A picture file that is missing or cannot be decoded. The game cannot run
// without its pictures, so the window ends the program on this.
class PictureFileError : public std::runtime_error {
public:
    enum class Kind { Missing, Unreadable };
    PictureFileError(QString path, Kind kind);

    const QString& path() const { return path_; }
    Kind kind() const { return kind_; }

private:
    QString path_;
    Kind kind_;
};

// Whether the folder (ending in "/") holds the game's pictures: its loading
// card, the first of them the game looks for.
bool holdsPictures(const QString& folder);

// Where and how large pictures are drawn: the pet area's size in the
// window's own units and the screen's device pixel ratio.
struct PictureDisplay {
    QSize size;
    qreal pixelRatio = 1;
    QSize pixelSize() const { return size * pixelRatio; }
    friend bool operator==(const PictureDisplay&, const PictureDisplay&) = default;
};

// The pet pictures of the application folder, each smoothly scaled to the
// pet area at the screen's pixel ratio, so that showing one during play is a
// plain copy of pixels.
//
// A picture is read on its first showing, not at start-up, and is then held:
// an everyday picture or a face for the rest of the run, an ending's pair
// only while that ending is shown (asking for any other picture, or for the
// title, lets it go). The title is read again at every new game and not held.
// "did.bmp", which nothing shows, is never read, nor is the loading card: with
// nothing to load before the title there is no wait to cover. So that a
// missing file still stops the game at once, checkFiles() looks for every
// file up front; a file that turns out unreadable stops it when first needed.
class PictureStore {
public:
    // appPath ends in "/"; every file is appPath + its name. cacheFolder
    // keeps scaled pictures between runs; empty: no cache.
    explicit PictureStore(QString appPath, QString cacheFolder = {});

    // Throws PictureFileError (Missing) for the first picture file, in the
    // game's load order, that is not there.
    void checkFiles() const;

    // A stored picture at display. Held pictures of another display are let
    // go and read again. Throws PictureFileError.
    QPixmap picture(game::Picture p, const PictureDisplay& display);

    // The title picture at display, from the cache, the title decoded ahead
    // or its file. Throws PictureFileError, one the decoding thread met too.
    QPixmap title(const PictureDisplay& display);

    // Starts decoding the title on a thread of its own, unless the cache
    // likely serves it, so that the first title() only scales it: the
    // window's start-up need not wait for the file. It may run before the
    // window, and so the title's size, is known.
    void decodeTitleAhead();
    // The title decoded ahead is kept after the first title(), so that
    // showing it at another size (the window manager's frame resizes the
    // window moments after it first shows) only scales it again; it goes
    // here, or with the first stored picture shown.
    void letGoOfDecodedTitle();

    bool isHeld(game::Picture p) const { return !held_[index(p)].isNull(); }
    QString pathOf(std::string_view fileName) const;

private:
    // The file in the application folder. Throws PictureFileError (Missing)
    // when it is not there.
    QFileInfo existingFile(std::string_view fileName) const;
    // Source at display from the cache, else scaled from decoded, or from
    // the file when decoded is null, and kept in the cache.
    QPixmap read(const QFileInfo& source, const PictureDisplay& display, const QImage& decoded = {}) const;
    // Waits for the title decoded ahead, if any, and forgets it, failed or not.
    void dropTitleAhead();
    void letGoOfEnding();

    QString appPath_;
    PictureCache cache_;
    PictureDisplay display_;
    std::array<QPixmap, game::PictureCount> held_;
    std::optional<game::EndingId> heldEnding_;
    // The title at its own size; a null image when the cache likely has it.
    std::future<QImage> titleAhead_;
    QImage decodedTitle_;
};

}  // namespace mokopi::media
