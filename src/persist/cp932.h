// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mokopi::persist {

// Text of the save file is code page 932 (Microsoft's Shift-JIS); inside the
// game it is UTF-8. Both directions go through glibc's iconv.

// nullopt when some character has no code page 932 form.
std::optional<std::string> toCp932(std::string_view utf8);
// nullopt when the bytes are not valid code page 932.
std::optional<std::string> fromCp932(std::string_view cp932);

// The characters a name must not hold because the save file could not keep
// them: the double quote, control characters (line breaks, tabs) and anything
// code page 932 cannot encode. Each listed once, in order of appearance, as
// UTF-8 (malformed UTF-8 is listed as U+FFFD). Empty for a name that saves
// safely.
std::vector<std::string> unsavableCharacters(std::string_view utf8Name);

// The name with each of those characters (and each malformed byte) replaced
// by "?": what a save writes for a name that was not checked first.
std::string withSavableCharacters(std::string_view utf8Name);

}  // namespace mokopi::persist
