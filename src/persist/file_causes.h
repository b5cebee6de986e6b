// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>

namespace mokopi::persist {

// The biggest file taken for a save file. A real one is about a hundred bytes;
// reading no further keeps a wrong file from filling memory, and a save never
// replaces anything larger, which cannot be a save.
inline constexpr off_t MaxSaveFileBytes = 64 * 1024;

inline constexpr const char* SaveFileTooLarge = "セーブファイルが大きすぎます";

enum class FileAccess { Read, Write };

// Why reading or writing the save file failed, in plain Japanese, from the
// errno of the failing call.
std::string causeOf(int error, FileAccess access);

// Why what stands at the save file's place is not a save file (a folder, a
// pipe, a device, one too large to be a save), or nullopt for a file that may
// be read or replaced.
std::optional<std::string> notASaveFile(const struct stat& found);

}  // namespace mokopi::persist
