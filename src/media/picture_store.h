#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <array>
#include <stdexcept>
#include <string_view>

#include "game/picture_id.h"

namespace mokopi {

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

// The pet pictures, read once from the application folder and kept scaled to
// the pet area, so that a picture change during play is only a pixmap copy.
class PictureStore {
public:
    // appPath ends in "/"; every file is appPath + its name.
    explicit PictureStore(QString appPath);

    // Reads the 34 pictures in the game's load order, each stretched to size.
    // Throws PictureFileError on the first file that fails; the store then
    // stays unloaded.
    void loadAll(QSize size);
    bool isLoaded() const { return loaded_; }

    // A stored picture; null before loadAll.
    const QPixmap& picture(Picture p) const { return pictures_[index(p)]; }

    // Reads one file straight from disk (the loading and title pictures),
    // stretched to size. Throws PictureFileError.
    QPixmap readFile(std::string_view fileName, QSize size) const;

    QString pathOf(std::string_view fileName) const;

private:
    QString appPath_;
    std::array<QPixmap, PictureCount> pictures_;
    bool loaded_ = false;
};

}  // namespace mokopi
