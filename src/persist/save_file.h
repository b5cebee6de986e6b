// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string>
#include <variant>

namespace mokopi::persist {

struct FileError {
    std::string reason;  // the cause in a few Japanese words, for the message box
};

// Reads the whole save file, following symbolic links. Refuses at once, and
// without opening it, anything but a regular file of at most 64 KiB: a
// folder, a pipe (which could block) or a device in its place.
std::variant<std::string, FileError> readSaveFile(const QString& path);

// Replaces the save file atomically: on failure the old file stays as it was.
// A link is followed to the file it names. Only a regular file no larger than
// a save can be is ever replaced; a folder, pipe, device or larger file at the
// save's place is refused and left untouched. Temporary copies that an
// interrupted save left beside the save file are removed once they are a
// minute old.
std::variant<std::monostate, FileError> writeSaveFile(const QString& path, const std::string& bytes);

}  // namespace mokopi::persist
