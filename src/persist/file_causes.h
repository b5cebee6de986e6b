// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>

#include "game/text.h"
#include "persist/save_codec.h"

namespace mokopi::persist {

// The biggest file taken for a save file. A real one is about a hundred bytes;
// reading no further keeps a wrong file from filling memory, and a save never
// replaces anything larger, which cannot be a save.
inline constexpr off_t MaxSaveFileBytes = 64 * 1024;

// The causes are Japanese, marked for the catalogue under SaveFileContext.
inline constexpr const char* SaveFileTooLarge = MOKOPI_TR_NOOP("Save file", "セーブファイルが大きすぎます");
// Parts a cause from the number of an error that has no words of its own.
inline constexpr const char* ErrorNumberLabel = MOKOPI_TR_NOOP("Save file", "：エラー番号 ");

enum class FileAccess { Read, Write };

// Why reading or writing the save file failed, in plain Japanese, from the
// errno of the failing call. One without words of its own is a general
// cause, ErrorNumberLabel and the number.
std::string causeOf(int error, FileAccess access);

// Why what stands at the save file's place is not a save file (a folder, a
// pipe, a device, one too large to be a save), or nullopt for a file that may
// be read or replaced.
std::optional<std::string> notASaveFile(const struct stat& found);

}  // namespace mokopi::persist
