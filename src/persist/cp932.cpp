// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "persist/cp932.h"

#include "game/utf8.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace mokopi::persist {

using game::CodePoint;
using game::isControlCharacter;
using game::nextCodePoint;

namespace {

// One conversion through iconv, all or nothing: any byte or character the
// target cannot take makes the whole text fail, so nothing is silently lost.
std::optional<std::string> convert(const char* to, const char* from, std::string_view text)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string out;
    // Either direction grows at most threefold (a one-byte katakana becomes
    // three bytes of UTF-8), so the buffer rarely has to grow below.
    out.resize(text.size() * 3 + 16);
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) {
            continue;
        }
        if (errno == E2BIG) {
            const std::size_t used = out.size() - outLeft;
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
            continue;
        }
        ok = false;  // EILSEQ: no such character; EINVAL: cut off mid-character
        break;
    }
    iconv_close(cd);
    if (!ok) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

// Calls visit(character, savable) for each character of a UTF-8 text; a
// malformed byte is visited alone, as an unsavable character.
template <class Visit> void visitCharacters(std::string_view text, Visit visit)
{
    for (std::size_t at = 0; at < text.size();) {
        const CodePoint cp = nextCodePoint(text, at);
        if (cp.length == 0) {
            visit(text.substr(at, 1), false);
            ++at;
            continue;
        }
        const std::string_view character = text.substr(at, cp.length);
        // A quote would end the name early in the file and a line break
        // would end the record: neither could be read back.
        visit(character, cp.value != U'"' && !isControlCharacter(cp.value) && toCp932(character).has_value());
        at += cp.length;
    }
}

}  // namespace

std::optional<std::string> toCp932(std::string_view utf8) { return convert("CP932", "UTF-8", utf8); }

std::optional<std::string> fromCp932(std::string_view cp932) { return convert("UTF-8", "CP932", cp932); }

std::vector<std::string> unsavableCharacters(std::string_view utf8Name)
{
    std::vector<std::string> found;
    visitCharacters(utf8Name, [&](std::string_view character, bool savable) {
        if (savable) {
            return;
        }
        // A malformed byte is listed as U+FFFD so the list itself is valid text.
        const bool malformed = character.size() == 1 && static_cast<unsigned char>(character[0]) >= 0x80;
        const std::string_view shown = malformed ? std::string_view("\xEF\xBF\xBD") : character;
        if (std::find(found.begin(), found.end(), shown) == found.end()) {
            found.emplace_back(shown);
        }
    });
    return found;
}

std::string withSavableCharacters(std::string_view utf8Name)
{
    std::string kept;
    visitCharacters(utf8Name, [&](std::string_view character, bool savable) {
        kept += savable ? character : std::string_view("?");
    });
    return kept;
}

}  // namespace mokopi::persist
