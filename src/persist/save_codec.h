// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "game/save_record.h"

namespace mokopi::persist {

// The context under which the translation catalogue holds the reasons of
// the save file: the refusals below and the causes of failed reads and
// writes (file_causes.h). They are marked with MOKOPI_TR_NOOP.
inline constexpr const char* SaveFileContext = "Save file";

// Why a save file was refused, in a few Japanese words for the message box.
struct DecodeError {
    std::string reason;
};

// The record as the bytes of the file: one line of 18 comma-separated fields
// in code page 932, ended by CR LF. Names should be savable (see cp932.h);
// a character that is not is written as "?" so the file always loads.
std::string encodeSaveRecord(const game::SaveRecord& record);

// The bytes of a save file checked whole: a record, or why it was refused.
// Reads code page 932, or UTF-8 when the file is valid UTF-8 with non-ASCII
// bytes (a player's edit; a byte order mark is allowed). Accepts a last line
// without CR LF, an LF-only line end and blank lines after the record. Takes
// the values that play can bring about: none below 0, an hour from 0 to 24,
// and any day.
std::variant<game::SaveRecord, DecodeError> decodeSaveRecord(std::string_view bytes);

}  // namespace mokopi::persist
