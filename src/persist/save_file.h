#pragma once

#include <QString>

#include <string>
#include <variant>

namespace mokopi {

struct FileError {
    std::string reason;  // a few Japanese words for the message box
};

// Reads the whole save file; refuses a missing or unreadable one, a folder or
// device in its place, and one over 64 KiB (no real save comes near that).
std::variant<std::string, FileError> readSaveFile(const QString& path);

// Replaces the save file atomically: on failure the old file stays as it was.
std::variant<std::monostate, FileError> writeSaveFile(const QString& path, const std::string& bytes);

}  // namespace mokopi
