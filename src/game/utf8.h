// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mokopi::game {

// One character of UTF-8 text: its code point and its length in bytes. A
// length of 0 marks a malformed sequence (a stray or cut-off byte, an
// overlong form, a surrogate).
struct CodePoint {
    char32_t value = 0;
    std::size_t length = 0;
};

// The character that starts at byte `at` of the text.
CodePoint nextCodePoint(std::string_view utf8, std::size_t at);

// C0 and C1 control characters and DEL: line breaks, tabs and the like.
constexpr bool isControlCharacter(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// The first `count` characters (Unicode code points) of UTF-8 text, never
// splitting one; a malformed byte counts as a character of its own.
std::string firstCharacters(std::string_view utf8, std::size_t count);

}  // namespace mokopi::game
